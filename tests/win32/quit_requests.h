#pragma once

#include <windows.h>

// Each editor a test closes was the program's last window and asked the
// thread to quit; a later modal dialog's message loop would end at once on
// that request, so tests that show one forget it first.
inline void ForgetQuitRequests() {
  MSG quit;
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}
