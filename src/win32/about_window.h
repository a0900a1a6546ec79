#pragma once

#include <windows.h>

#include <memory>

#include "win32/native_form.h"

// The About window: without an owner, not modal and without a taskbar
// entry. OK, Enter, Esc and the close box close it; it then deletes itself.
class frmAbout {
 public:
  // Creates and shows the window.
  static HWND Show();

 private:
  explicit frmAbout(HWND window);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_;
  NativeForm form_;
};
