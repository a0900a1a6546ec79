#pragma once

#include <windows.h>

// The program ends when the last of its top-level windows closes: an About
// window that is still open outlives the main one.
void TopLevelWindowOpened();
void TopLevelWindowClosed();

// The shortcuts of a top-level window other than the main one, active while
// it is the one in use.
void SetWindowAccelerators(HWND window, HACCEL accelerators);

// Runs the message loop until the last window closes, with the accelerators
// of the window in use active (`accelerators` are the main window's) and the
// keyboard's dialog navigation (Tab, Enter, Esc) in every window. Returns
// the exit code.
int RunMessageLoop(HWND mainWindow, HACCEL accelerators);

// The icon of the program file, at the size the system wants for `metric`
// (SM_CXICON or SM_CXSMICON).
HICON ProgramIcon(int metric);

// Registers a window class of the program: its icon, the dialog face colour
// and `procedure`.
void RegisterProgramWindowClass(const wchar_t* name, WNDPROC procedure);
