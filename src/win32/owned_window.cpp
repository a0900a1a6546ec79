#include "win32/owned_window.h"

#include "win32/program_windows.h"

void OwnedWindow::Adopt(HWND window) {
  window_ = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnedWindow::Procedure));
  TopLevelWindowOpened();
}

void OwnedWindow::TakeSuggestedRect(LPARAM lParam) const {
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK OwnedWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<OwnedWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    owner->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    // Counted from here, so that a window whose creation fails is counted
    // out again at its WM_NCDESTROY.
    TopLevelWindowOpened();
  }
  auto* owner = reinterpret_cast<OwnedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message != WM_NCDESTROY) return owner->Handle(message, wParam, lParam);
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  owner->window_ = nullptr;
  owner->Closed();
  TopLevelWindowClosed();
  return DefWindowProcW(window, message, wParam, lParam);
}
