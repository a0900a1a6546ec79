#include "win32/control_tips.h"

#include <commctrl.h>

#include <string>

#include "win32/wide_text.h"

namespace {

TTTOOLINFOW ToolOf(HWND owner, HWND control, const wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  return tool;
}

constexpr int TipWidth = 400;

}  // namespace

ControlTips::ControlTips(HWND owner, std::vector<HWND> controls) : owner_(owner), controls_(std::move(controls)) {}

ControlTips::~ControlTips() {
  if (tip_ != nullptr) DestroyWindow(tip_);
}

void ControlTips::Create() {
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, TipWidth);
  for (HWND control : controls_) {
    TTTOOLINFOW tool = ToolOf(owner_, control, L"");
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void ControlTips::SetText(std::string_view utf8) {
  if (tip_ == nullptr && utf8.empty()) return;
  if (tip_ == nullptr) Create();
  // Tooltips break lines at CR LF, and only once they have a width to wrap at.
  const std::wstring text = WideLines(utf8);
  for (HWND control : controls_) {
    TTTOOLINFOW tool = ToolOf(owner_, control, text.c_str());
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(tip_, TTM_ACTIVATE, utf8.empty() ? FALSE : TRUE, 0);
}
