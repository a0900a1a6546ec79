// Opening the item table in kestrune.exe's window beside a bare ListView
// showing the same 255 x 10 texts (bare_win32_list.cpp), under Wine: each is
// opened, painted and closed in turn, and the medians and their ratio are
// printed. Usage: table_open_timer ROM [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bare_win32_list.h"
#include "table/item_table.h"
#include "win32/editor_window.h"
#include "win32/wide_text.h"

namespace {

// Handles what is queued, the paints among them.
void Settle() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
  std::ranges::sort(times);
  return times[times.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("Usage: table_open_timer ROM [RUNS]\n", stderr);
    return 2;
  }
  const std::string rom = Utf8(argv[1]);
  const int runs = argc > 2 ? std::stoi(argv[2]) : 20;
  const ItemTable texts(rom);
  std::vector<std::wstring> captions;
  for (const TableColumnInfo& info : TableColumns) captions.push_back(Wide(info.caption));
  std::vector<std::vector<std::wstring>> rows;
  for (int item = 1; item <= LastItem; ++item) {
    std::vector<std::wstring>& row = rows.emplace_back();
    for (const TableColumnInfo& info : TableColumns) row.push_back(Wide(texts.Text(item, info.column)));
  }

  Editor editor([] { return nullptr; },
                [](HWND, const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
  ShowWindow(editor.Window(), SW_SHOWNORMAL);
  editor.OpenFile(rom);
  const WPARAM open = static_cast<WPARAM>(Editor::CommandId("ItemTable"));
  std::vector<double> table, bare;
  for (int run = -3; run < runs; ++run) {
    double start = Now();
    SendMessageW(editor.Window(), WM_COMMAND, open, 0);
    UpdateWindow(editor.TableWindow()->Window());
    Settle();
    if (run >= 0) table.push_back(Now() - start);
    editor.TableWindow()->Close();
    Settle();

    start = Now();
    HWND list = OpenBareList(rows, captions);
    Settle();
    if (run >= 0) bare.push_back(Now() - start);
    DestroyWindow(list);
    Settle();
  }
  const double tableMs = Median(table), bareMs = Median(bare);
  std::printf(
      "Opening the item table: %.2f ms; a bare ListView of the same texts: %.2f ms; ratio %.2f (goal <= 1.20)\n",
      tableMs, bareMs, tableMs / bareMs);
  return 0;
}
