#include <windows.h>

#include "win32/editor_window.h"
#include "win32/program_windows.h"

// The program has no start routine of its own: the main window is shown in
// its design's state, and the program ends when its last window closes.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  Editor editor;
  ShowWindow(editor.Window(), show);
  return RunMessageLoop(editor.Window(), editor.Accelerators());
}
