#include "bare_win32_list.h"

#include <commctrl.h>

HWND OpenBareList(const std::vector<std::vector<std::wstring>>& rows, const std::vector<std::wstring>& captions) {
  static const bool ready = [] {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"BareList";
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)ready;
  HWND window = CreateWindowExW(0, L"BareList", L"Bare list", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 900,
                                600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  RECT client;
  GetClientRect(window, &client);
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                              client.right, client.bottom, window, nullptr, GetModuleHandleW(nullptr), nullptr);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectW(&metrics.lfMessageFont)), FALSE);
  for (size_t column = 0; column < captions.size(); ++column) {
    LVCOLUMNW header{};
    header.mask = LVCF_TEXT | LVCF_WIDTH;
    header.cx = 80;
    header.pszText = const_cast<wchar_t*>(captions[column].c_str());
    SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
  }
  for (size_t row = 0; row < rows.size(); ++row) {
    for (size_t column = 0; column < rows[row].size(); ++column) {
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(row);
      item.iSubItem = static_cast<int>(column);
      item.pszText = const_cast<wchar_t*>(rows[row][column].c_str());
      SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
  }
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  return window;
}
