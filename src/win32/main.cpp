#include <windows.h>

#include <cstdlib>
#include <string>

#include "forms/open_command.h"
#include "win32/editor_window.h"
#include "win32/message_box.h"
#include "win32/program_windows.h"
#include "win32/wide_text.h"

// kestrune.exe [ROM]: Explorer's "Open with" and a drop onto the program's
// icon hand over the file. The arguments are the C runtime's UTF-16 ones,
// so that any path arrives whole. The main window is shown in its design's
// state, and the program ends when its last window closes.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  if (__argc > 2) {
    ShowMessage(nullptr, std::string(OneRomAtATime));
    return 2;
  }
  Editor editor;
  ShowWindow(editor.Window(), show);
  // Once the window is up, so that a message about the file has it to stand on.
  if (__argc == 2) editor.OpenFile(Utf8(__wargv[1]));
  return RunMessageLoop(editor.Window(), editor.Accelerators());
}
