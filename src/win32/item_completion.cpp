#include "win32/item_completion.h"

#include <algorithm>

#include "items/item_name_match.h"
#include "win32/wide_text.h"

namespace {

constexpr int ShownRows = 8;

}  // namespace

ItemCompletion::ItemCompletion(HWND window, HWND chooser, int id)
    : chooser_(chooser),
      list_(CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 0, 0, 0, 0, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr)) {}

void ItemCompletion::Update(ItemNameViews names) {
  const std::string typed = WindowText(chooser_);
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  const std::vector<int> items = typed.empty() ? std::vector<int>() : ItemsContaining(names, typed);
  if (items.empty()) return Close();
  for (const int item : items) {
    const auto row = SendMessageW(list_, LB_ADDSTRING, 0,
                                  reinterpret_cast<LPARAM>(Wide(names[static_cast<size_t>(item)]).c_str()));
    SendMessageW(list_, LB_SETITEMDATA, static_cast<WPARAM>(row), item);
  }
  // Under the chooser's edit box, as wide as the chooser.
  RECT box;
  GetWindowRect(chooser_, &box);
  const int editHeight = static_cast<int>(SendMessageW(chooser_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + 6;
  MapWindowPoints(nullptr, GetParent(list_), reinterpret_cast<POINT*>(&box), 2);
  const int rowHeight = static_cast<int>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
  const int rows = std::min<int>(ShownRows, static_cast<int>(items.size()));
  SetWindowPos(list_, HWND_TOP, box.left, box.top + editHeight, box.right - box.left, rows * rowHeight + 4,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SendMessageW(list_, WM_SETFONT, static_cast<WPARAM>(SendMessageW(chooser_, WM_GETFONT, 0, 0)), TRUE);
}

bool ItemCompletion::Accept() {
  if (!IsWindowVisible(list_)) return false;
  const auto row = std::max<LRESULT>(SendMessageW(list_, LB_GETCURSEL, 0, 0), 0);
  const auto item = SendMessageW(list_, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
  SendMessageW(chooser_, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  Close();
  SetFocus(chooser_);
  return true;
}

void ItemCompletion::Close() { ShowWindow(list_, SW_HIDE); }

void ItemCompletion::CloseUnlessFocused() {
  HWND focus = GetFocus();
  if (focus != list_ && focus != chooser_ && !IsChild(chooser_, focus)) Close();
}
