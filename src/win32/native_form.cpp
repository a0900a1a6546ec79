#include "win32/native_form.h"

#include <algorithm>
#include <cassert>

#include "win32/wide_text.h"

namespace {

// A drop-down list's height includes its open list: room for a dozen entries.
constexpr int ListRoomTwips = 3000;

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind KindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
      // SS_NOTIFY: a static takes no mouse otherwise, and shows no tooltip.
      return {L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
    case ControlKind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::TypingList:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::ChoiceList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::Button:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Line:
      break;
  }
  return {nullptr, 0, 0};
}

bool IsList(ControlKind kind) { return kind == ControlKind::TypingList || kind == ControlKind::ChoiceList; }

}  // namespace

NativeForm::NativeForm(const FormDescription& form, HWND window, int firstId) : form_(form), window_(window) {
  int id = firstId;
  for (const ControlDescription& control : form.controls) {
    const WindowKind kind = KindOf(control.kind);
    HWND native = nullptr;
    if (kind.className != nullptr) {
      native = CreateWindowExW(kind.exStyle, kind.className, Wide(control.caption).c_str(),
                               WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
      if (control.maxLength > 0) SendMessageW(native, EM_LIMITTEXT, static_cast<WPARAM>(control.maxLength), 0);
    }
    controls_.push_back({&control, native, id++});
  }
  StackInTabOrder();
  for (const Native& control : controls_) {
    if (control.design->kind == ControlKind::Frame) SetFrameEnabled(control.design->name, control.design->enabledAtStart);
  }
}

NativeForm::~NativeForm() {
  if (font_ != nullptr) DeleteObject(font_);
}

void NativeForm::StackInTabOrder() const {
  // Top to bottom: what takes the focus, in tab order, then labels, then the
  // frames that the others are drawn over.
  std::vector<HWND> order;
  for (const ControlDescription* control : TabOrder(form_)) order.push_back(Control(control->name));
  for (const ControlKind kind : {ControlKind::Label, ControlKind::Frame}) {
    for (const Native& control : controls_) {
      if (control.design->kind == kind) order.push_back(control.window);
    }
  }
  for (HWND control : order) SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

const NativeForm::Native& NativeForm::Find(std::string_view name) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [&](const Native& control) { return control.design->name == name; });
  assert(found != controls_.end() && "the design has no such control");
  return *found;
}

HWND NativeForm::Control(std::string_view name) const { return Find(name).window; }

int NativeForm::Id(std::string_view name) const { return Find(name).id; }

int NativeForm::Pixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

SIZE NativeForm::ClientSize(const FormDescription& form, UINT dpi) {
  return {Pixels(form.clientWidth, dpi), Pixels(form.clientHeight, dpi)};
}

POINT NativeForm::Origin(const ControlDescription& control) const {
  POINT origin{control.rect.left, control.rect.top};
  if (!control.container.empty()) {
    const TwipsBox& frame = FindControl(form_, control.container).rect;
    origin.x += frame.left;
    origin.y += frame.top;
  }
  return origin;
}

void NativeForm::Layout(UINT dpi) {
  dpi_ = dpi;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  for (const Native& control : controls_) {
    if (control.window == nullptr) continue;
    const POINT origin = Origin(*control.design);
    const int extra = IsList(control.design->kind) ? ListRoomTwips : 0;
    SetWindowPos(control.window, nullptr, Pixels(origin.x, dpi), Pixels(origin.y, dpi),
                 Pixels(control.design->rect.width, dpi), Pixels(control.design->rect.height + extra, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
  InvalidateRect(window_, nullptr, TRUE);
}

void NativeForm::WidenToCaption(std::string_view name) const {
  const Native& label = Find(name);
  HDC dc = GetDC(label.window);
  HGDIOBJ previous = SelectObject(dc, font_);
  const std::wstring caption = Wide(label.design->caption);
  SIZE text{};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  SelectObject(dc, previous);
  ReleaseDC(label.window, dc);
  const TwipsBox& frame = FindControl(form_, label.design->container).rect;
  const int room = Pixels(frame.width - label.design->rect.left, dpi_);
  const int width = std::max(Pixels(label.design->rect.width, dpi_), std::min(static_cast<int>(text.cx), room));
  SetWindowPos(label.window, nullptr, 0, 0, width, Pixels(label.design->rect.height, dpi_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeForm::SetFrameEnabled(std::string_view frame, bool enabled) {
  EnableWindow(Control(frame), enabled);
  for (const Native& control : controls_) {
    if (control.design->container == frame) EnableWindow(control.window, enabled && control.design->enabledAtStart);
  }
}

void NativeForm::PaintLines(HDC dc) const {
  for (const Native& control : controls_) {
    const ControlDescription& line = *control.design;
    if (line.kind != ControlKind::Line) continue;
    const COLORREF colour = RGB(line.lineColour >> 16 & 0xFF, line.lineColour >> 8 & 0xFF, line.lineColour & 0xFF);
    const int width = MulDiv(line.linePixels, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    const POINT from = Origin(line);
    MoveToEx(dc, Pixels(from.x, dpi_), Pixels(from.y, dpi_), nullptr);
    LineTo(dc, Pixels(from.x + line.rect.width, dpi_), Pixels(from.y, dpi_));
    SelectObject(dc, previous);
    DeleteObject(pen);
  }
}

bool NativeForm::HasBlackText(HWND control) const {
  return std::any_of(controls_.begin(), controls_.end(),
                     [&](const Native& native) { return native.window == control && native.design->blackText; });
}
