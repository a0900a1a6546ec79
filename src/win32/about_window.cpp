#include "win32/about_window.h"

#include "forms/about_form.h"
#include "win32/program_windows.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t ClassName[] = L"KestruneAbout";
constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// A tool window has no taskbar entry.
constexpr DWORD ExStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;
// cmdOK answers Enter and Esc as the default and the cancel button.
constexpr int FirstControlId = 3000;

void Register() {
  static const bool registered = (RegisterProgramWindowClass(ClassName, DefWindowProcW), true);
  (void)registered;
}

void Resize(HWND window, UINT dpi) {
  const SIZE client = NativeForm::ClientSize(AboutForm(), dpi);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, Style, FALSE, ExStyle, dpi);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HWND frmAbout::Show() {
  Register();
  HWND window = CreateWindowExW(ExStyle, ClassName, Wide(AboutForm().caption).c_str(), Style, CW_USEDEFAULT,
                                CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  auto* about = new frmAbout(window);
  about->Adopt(window);
  ShowWindow(window, SW_SHOWNORMAL);
  SetFocus(about->form_.Control("cmdOK"));
  return window;
}

frmAbout::frmAbout(HWND window) : form_(AboutForm(), window, FirstControlId) {
  HWND ok = form_.Control("cmdOK");
  SetWindowLongPtrW(ok, GWLP_ID, IDOK);
  SetWindowLongPtrW(ok, GWL_STYLE, GetWindowLongPtrW(ok, GWL_STYLE) | BS_DEFPUSHBUTTON);
  const UINT dpi = GetDpiForWindow(window);
  form_.Layout(dpi);
  Resize(window, dpi);
}

LRESULT frmAbout::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) DestroyWindow(window_);
      return 0;
    case WM_ACTIVATE:
      // cmdOK is the only control that takes the focus.
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(form_.Control("cmdOK"));
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (form_.HasBlackText(reinterpret_cast<HWND>(lParam))) SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      form_.PaintLines(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_DPICHANGED: {
      form_.Layout(HIWORD(wParam));
      TakeSuggestedRect(lParam);
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}
