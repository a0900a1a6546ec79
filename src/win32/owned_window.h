#pragma once

#include <windows.h>

// A top-level window that one object of the program owns. Its window
// procedure, `Procedure`, hands every message from WM_NCCREATE on to the
// owner's Handle; at WM_NCDESTROY the owner lets go of the window and hears
// of it last, through Closed. The program's count of open windows follows.
class OwnedWindow {
 public:
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;

 protected:
  OwnedWindow() = default;
  ~OwnedWindow() = default;

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // For CreateWindowExW: the owner, known to the window from WM_NCCREATE on.
  void* CreationParameter() { return this; }
  // Gives `window`, created without a parameter, to this owner.
  void Adopt(HWND window);

  // Moves the window to the rectangle that WM_DPICHANGED suggests.
  void TakeSuggestedRect(LPARAM lParam) const;

  virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // After the window is gone; the owner may delete itself here.
  virtual void Closed() {}

  HWND window_ = nullptr;
};
