// The floor of kestrune.exe's start-up: a plain Win32 window with the
// editor's controls at the editor's places, in the system's message font,
// and nothing behind them. scripts/bench-startup-wine compares the two.
#include <windows.h>

#include <string>

#include "items/item_fields.h"
#include "items/item_names.h"

namespace {

constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct Box {
  int left, top, width, height;
};

int Pixels(int twips) { return MulDiv(twips, 96, 1440); }

std::wstring Wide(std::string_view text) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

HWND Add(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, DWORD exStyle, Box box, HFONT font) {
  HWND control =
      CreateWindowExW(exStyle, kind, text, WS_CHILD | WS_VISIBLE | style, Pixels(box.left), Pixels(box.top),
                      Pixels(box.width), Pixels(box.height), parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void AddEdit(HWND parent, Box box, int maxLength, HFONT font) {
  HWND edit = Add(parent, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, box, font);
  SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

template <typename Names>
void Fill(HWND list, const Names& names) {
  for (const std::string_view name : names)
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
}

HMENU Menus() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 1, L"Open\tCtrl+O");
  AppendMenuW(file, MF_STRING, 2, L"Save\tCtrl+S");
  AppendMenuW(file, MF_STRING, 3, L"Exit");
  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, 4, L"About");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"Help");
  return bar;
}

void AddControls(HWND window) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  const struct {
    const wchar_t* caption;
    Box box;
  } frames[] = {{L"Rom Loaded:", {120, 120, 3255, 615}}, {L"Type", {2640, 2640, 735, 735}},
                {L"Pocket", {120, 2640, 1335, 735}},     {L"Use", {1680, 2640, 735, 735}},
                {L"Var.", {2640, 1800, 735, 735}},       {L"Effect", {1680, 1800, 735, 735}},
                {L"Price", {120, 1800, 1335, 735}},      {L"Advanced", {120, 3480, 2175, 735}},
                {L"Item", {120, 960, 3255, 735}}};
  for (const auto& frame : frames) Add(window, L"BUTTON", frame.caption, BS_GROUPBOX, 0, frame.box, font);
  Add(window, L"STATIC", L"None", SS_LEFT, 0, {240, 360, 3015, 255}, font);
  for (const Box box :
       {Box{2760, 2880, 495, 375}, Box{1800, 2880, 495, 375}, Box{2760, 2040, 495, 375}, Box{1800, 2040, 495, 375}}) {
    AddEdit(window, box, ByteMaxChars, font);
  }
  AddEdit(window, {240, 2040, 1095, 375}, PriceMaxChars, font);
  AddEdit(window, {240, 3720, 855, 375}, AsmMaxChars, font);
  Add(window, L"STATIC", L"ASM Pointer", SS_LEFT, 0, {1200, 3720, 975, 255}, font);
  Fill(Add(window, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, {240, 2880, 1095, 3315}, font),
       PocketNames);
  Add(window, L"BUTTON", L"Load", BS_PUSHBUTTON | WS_TABSTOP, 0, {2640, 1200, 615, 255}, font);
  Fill(Add(window, L"COMBOBOX", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0,
           {240, 1200, 2295, 3315}, font),
       ItemNames);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"BareWindow";
  RegisterClassExW(&windowClass);
  RECT frame{0, 0, Pixels(3510), Pixels(4305)};
  AdjustWindowRectEx(&frame, Style, TRUE, 0);
  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"Kestrune", Style, CW_USEDEFAULT, CW_USEDEFAULT,
                      frame.right - frame.left, frame.bottom - frame.top, nullptr, Menus(), instance, nullptr);
  AddControls(window);
  ShowWindow(window, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
