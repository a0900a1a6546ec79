#pragma once

#include <windows.h>

#include <memory>

#include "win32/native_form.h"
#include "win32/owned_window.h"

// The About window: without an owner, not modal and without a taskbar
// entry. OK, Enter, Esc and the close box close it; it then deletes itself.
class frmAbout final : private OwnedWindow {
 public:
  // Creates and shows the window.
  static HWND Show();

 private:
  explicit frmAbout(HWND window);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Closed() override { delete this; }

  NativeForm form_;
};
