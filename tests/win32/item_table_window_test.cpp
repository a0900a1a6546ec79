// The item table's window, opened from the editor and driven through its
// real ListView, cell editor, menus, shortcuts and the system clipboard.
// The cells' rules are the core's tests'; these check the wiring.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fake_file_dialog.h"
#include "items/edition_table.h"
#include "keys.h"
#include "quit_requests.h"
#include "rom_builder.h"
#include "rom_io/file_path.h"
#include "table/table_design.h"
#include "table/table_texts.h"
#include "win32/clipboard_text.h"
#include "win32/editor_window.h"
#include "win32/wide_text.h"

namespace {

const Edition& Gold = EditionTable[0];
constexpr int Potion = 18;

class ItemTableWindowTest : public ::testing::Test {
 protected:
  ItemTableWindowTest()
      : path_(dir_.Path("") / FilePath("rom é♂♀.gbc")),
        editor_([this] { return std::make_shared<FakeFileDialog>(dialogs_); },
                [this](HWND, const std::string& text) { messages_.push_back(text); },
                [this](HWND, const std::string& question, bool /*offerSave*/) {
                  questions_.push_back(question);
                  return answer_;
                }) {
    RomBuilder(RomBuilder::TwoMiB, 7)
        .WithEdition(Gold)
        .WithRecord(Gold, Potion, {0x2C, 0x01, 0x00, 0x14, 0x00, 0x01, 0x40})
        .WriteTo(path_);
    original_ = ReadFileBytes(path_);
    ShowWindow(editor_.Window(), SW_SHOWNORMAL);
    dialogs_.answers.push_back(Utf8Text(path_));
    SendMessageW(editor_.Window(), WM_COMMAND, static_cast<WPARAM>(Editor::CommandId("Open")), 0);
    EXPECT_TRUE(PressCtrl(editor_.Window(), editor_.Accelerators(), editor_.Window(), 'T'));
    table_ = editor_.TableWindow();
  }
  ~ItemTableWindowTest() override { ForgetQuitRequests(); }

  HWND List() const { return table_->List(); }
  // Ctrl+`key` in the table's window, where the focus is.
  void Press(char key) const { PressCtrl(table_->Window(), table_->Accelerators(), GetFocus(), key); }
  void Key(HWND window, WPARAM key) const { SendMessageW(window, WM_KEYDOWN, key, 0); }
  // Types `text` as the keyboard does: the first character into the list starts the edit.
  void Type(const std::wstring& text) const {
    SendMessageW(List(), WM_CHAR, text.front(), 0);
    ASSERT_NE(table_->EditorControl(), nullptr);
    for (const wchar_t c : text.substr(1)) SendMessageW(table_->EditorControl(), WM_CHAR, c, 0);
  }
  // Makes `item`'s row current, with its `column`, by moving down from item 1's Price.
  void GoTo(int item, int rightOfPrice = 0) const {
    for (int row = 1; row < item; ++row) Key(List(), VK_DOWN);
    for (int step = 0; step < rightOfPrice; ++step) Key(List(), VK_RIGHT);
  }
  // A click on `row`'s Name, with the keys of `modifiers` (MK_SHIFT, MK_CONTROL) held.
  void ClickRow(int row, WPARAM modifiers = 0) const {
    RECT rect{};
    rect.top = static_cast<int>(TableColumn::Name);
    rect.left = LVIR_BOUNDS;
    SendMessageW(List(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON | modifiers, at);
    SendMessageW(List(), WM_LBUTTONUP, modifiers, at);
  }
  void ClickHeader(TableColumn column) const {
    HWND header = reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETHEADER, 0, 0));
    RECT rect;
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(header, WM_LBUTTONUP, 0, at);
  }
  std::wstring Shown(int row, TableColumn column) const {
    wchar_t text[128]{};
    LVITEMW item{};
    item.iSubItem = static_cast<int>(column);
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  size_t PriceAt(int item) const { return static_cast<size_t>(RecordAddress(Gold.itemTableBase, item)); }

  TempDir dir_;
  std::filesystem::path path_;
  std::vector<uint8_t> original_;
  DialogScript dialogs_;
  std::vector<std::string> messages_, questions_;
  SaveChoice answer_ = SaveChoice::Cancel;
  Editor editor_;
  ItemTableWindow* table_ = nullptr;
};

}  // namespace

TEST_F(ItemTableWindowTest, APriceTypedIntoItemOneAndSavedChangesOnlyItsTwoBytes) {
  ASSERT_NE(table_, nullptr);
  EXPECT_EQ(Utf8(std::wstring(L"Item Table - rom é♂♀.gbc")), WindowText(table_->Window()));
  EXPECT_EQ(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), LastItem);
  EXPECT_EQ(Shown(4, TableColumn::Name), L"Poké Ball");
  EXPECT_EQ(GetFocus(), List());
  // A price whose two bytes both differ from the file's.
  const int price = (original_[PriceAt(1)] ^ 0xFF) | (original_[PriceAt(1) + 1] ^ 0xFF) << 8;
  Type(std::to_wstring(price));
  // Saved with the editor still open: Save takes what it holds.
  Press('S');
  EXPECT_EQ(table_->EditorControl(), nullptr);
  EXPECT_EQ(GetFocus(), List());
  EXPECT_EQ(DifferingOffsets(original_, ReadFileBytes(path_)), (std::vector<size_t>{PriceAt(1), PriceAt(1) + 1}));
  EXPECT_EQ(table_->StatusText(), TableSaved);
  EXPECT_NE(WindowText(table_->Window()).back(), '*');
  Press('S');
  EXPECT_EQ(table_->StatusText(), NothingToSave);
  EXPECT_TRUE(messages_.empty());
  Press('W');
  EXPECT_EQ(editor_.TableWindow(), nullptr);
  EXPECT_TRUE(questions_.empty());
}

TEST_F(ItemTableWindowTest, BerryPickedFromAnEffectCellsListSavesItsByte) {
  GoTo(1, 1);  // Effect
  Key(List(), VK_F2);
  HWND list = table_->EditorControl();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0));
  ASSERT_NE(SendMessageW(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Berry")), CB_ERR);
  Key(FindWindowExW(list, nullptr, L"Edit", nullptr), VK_RETURN);
  EXPECT_EQ(table_->Table().Text(1, TableColumn::Effect), "Berry");
  Press('S');
  EXPECT_EQ(ReadFileBytes(path_)[PriceAt(1) + 2], 0x01);

  // View > Show Bytes stays on when the ROM is opened again.
  SendMessageW(table_->Window(), WM_COMMAND, static_cast<WPARAM>(ItemTableWindow::CommandId("ShowBytes")), 0);
  dialogs_.answers.push_back(Utf8Text(path_));
  SendMessageW(editor_.Window(), WM_COMMAND, static_cast<WPARAM>(Editor::CommandId("Open")), 0);
  EXPECT_EQ(Shown(0, TableColumn::Effect), L"01");
}

// The menu resource, the keys and the columns as the design gives them: a
// separator is "-", an entry its caption, the Ctrl key its menu shows.
TEST_F(ItemTableWindowTest, ItsMenusKeysAndColumnsAreTheDesigns) {
  RECT frame{};
  GetWindowRect(table_->Window(), &frame);
  const UINT dpi = GetDpiForWindow(table_->Window());
  EXPECT_EQ(frame.right - frame.left, MulDiv(TableWindowWidth, static_cast<int>(dpi), 96));
  EXPECT_EQ(frame.bottom - frame.top, MulDiv(TableWindowHeight, static_cast<int>(dpi), 96));
  HMENU bar = GetMenu(table_->Window());
  ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(TableMenus().size()));
  std::vector<ACCEL> keys(static_cast<size_t>(CopyAcceleratorTableW(table_->Accelerators(), nullptr, 0)));
  CopyAcceleratorTableW(table_->Accelerators(), keys.data(), static_cast<int>(keys.size()));
  const auto hasKey = [&keys](Shortcut shortcut, int id) {
    const auto modifiers = static_cast<BYTE>(FVIRTKEY | FCONTROL | (shortcut.shift ? FSHIFT : 0));
    return std::ranges::any_of(keys, [&](const ACCEL& key) {
      return key.fVirt == modifiers && key.key == static_cast<WORD>(shortcut.key) && key.cmd == id;
    });
  };
  for (int index = 0; index < GetMenuItemCount(bar); ++index) {
    const MenuDescription& menu = TableMenus()[static_cast<size_t>(index)];
    wchar_t text[64]{};
    GetMenuStringW(bar, static_cast<UINT>(index), text, 64, MF_BYPOSITION);
    EXPECT_EQ(Utf8(text), menu.caption);
    HMENU popup = GetSubMenu(bar, index);
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(menu.entries.size()));
    for (int at = 0; at < GetMenuItemCount(popup); ++at) {
      const MenuEntry& entry = menu.entries[static_cast<size_t>(at)];
      GetMenuStringW(popup, static_cast<UINT>(at), text, 64, MF_BYPOSITION);
      if (entry.name.empty()) {
        EXPECT_TRUE(GetMenuState(popup, static_cast<UINT>(at), MF_BYPOSITION) & MF_SEPARATOR);
        continue;
      }
      const std::string shown =
          std::string(entry.caption) + (entry.shortcutKey ? std::string("\tCtrl+") + entry.shortcutKey : "");
      EXPECT_EQ(Utf8(text), shown);
      const int id = ItemTableWindow::CommandId(entry.name);
      EXPECT_EQ(static_cast<int>(GetMenuItemID(popup, at)), id);
      for (const Shortcut key : {Shortcut{entry.shortcutKey}, entry.alternative}) {
        EXPECT_TRUE(key.key == 0 || hasKey(key, id)) << entry.name;
      }
    }
  }
  EXPECT_TRUE(GetMenuState(bar, static_cast<UINT>(ItemTableWindow::CommandId("Undo")), MF_BYCOMMAND) & MF_GRAYED);
  for (const TableColumnInfo& info : TableColumns) {
    wchar_t text[64]{};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = text;
    column.cchTextMax = 64;
    SendMessageW(List(), LVM_GETCOLUMNW, static_cast<WPARAM>(info.column), reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(Utf8(text), info.caption);
    // A ListView's first column is always left-aligned.
    EXPECT_TRUE(info.column == TableColumn::Number || ((column.fmt & LVCFMT_RIGHT) != 0) == info.alignsRight);
  }
}

TEST_F(ItemTableWindowTest, ARefusedValueKeepsTheTypedTextSaysWhyAndSavesNothing) {
  GoTo(Potion);
  Type(L"70000");
  Key(table_->EditorControl(), VK_RETURN);
  EXPECT_EQ(Shown(Potion - 1, TableColumn::Price), L"70000");
  EXPECT_EQ(table_->StatusText(), "Price: enter a whole number from -32768 to 65535.");
  Press('S');
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_.front().rfind("Nothing was saved:", 0), 0u) << messages_.front();
  EXPECT_EQ(ReadFileBytes(path_), original_);
}

TEST_F(ItemTableWindowTest, AHeaderClickSortsByValueAndASecondOneReverses) {
  for (const bool ascending : {true, false}) {
    ClickHeader(TableColumn::Price);
    std::vector<int> prices;
    for (int row = 0; row < LastItem; ++row) prices.push_back(std::stoi(Shown(row, TableColumn::Price)));
    if (!ascending) std::ranges::reverse(prices);
    EXPECT_TRUE(std::ranges::is_sorted(prices)) << ascending;
  }
}

TEST_F(ItemTableWindowTest, ARowCopiedThroughTheClipboardPastesBack) {
  GoTo(Potion);
  Type(L"350");
  Key(table_->EditorControl(), VK_RETURN);
  Press('C');
  const std::optional<std::string> copied = ClipboardText(table_->Window());
  ASSERT_TRUE(copied);
  EXPECT_EQ(
      copied->rfind("No.\tName\tPrice\tEffect\tVar.\tPocket\tUse\tField Menu\tBattle Menu\tRoutine\tDescription\tEdition\r\n18\t", 0),
      0u)
      << *copied;
  answer_ = SaveChoice::Discard;
  SendMessageW(table_->Window(), WM_COMMAND, static_cast<WPARAM>(ItemTableWindow::CommandId("Revert")), 0);
  EXPECT_EQ(table_->Table().Text(Potion, TableColumn::Price), "300");
  Press('V');
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(table_->Table().Text(Potion, TableColumn::Price), "350");
  EXPECT_EQ(table_->Table().State(Potion, TableColumn::Price), ItemTable::CellState::Changed);
}

TEST_F(ItemTableWindowTest, CtrlZUndoesACommittedEditAndCtrlYRedoesIt) {
  GoTo(Potion);
  Type(L"350");
  Key(table_->EditorControl(), VK_RETURN);
  EXPECT_FALSE(
      GetMenuState(GetMenu(table_->Window()), static_cast<UINT>(ItemTableWindow::CommandId("Undo")), MF_BYCOMMAND) &
      MF_GRAYED);
  Press('Z');
  EXPECT_EQ(table_->StatusText(), TableUndone);
  EXPECT_EQ(table_->Table().Text(Potion, TableColumn::Price), "300");
  Press('Y');
  EXPECT_EQ(table_->StatusText(), TableRedone);
  EXPECT_EQ(table_->Table().Text(Potion, TableColumn::Price), "350");
}

TEST_F(ItemTableWindowTest, AShiftClickSelectsTheRowsBetweenAndACopyTakesThemAll) {
  ClickRow(0);
  ClickRow(1, MK_SHIFT);
  Press('C');
  const std::optional<std::string> copied = ClipboardText(table_->Window());
  ASSERT_TRUE(copied);
  EXPECT_NE(copied->find("\r\n1\t"), std::string::npos) << *copied;
  EXPECT_NE(copied->find("\r\n2\t"), std::string::npos) << *copied;
  EXPECT_EQ(copied->find("\r\n3\t"), std::string::npos) << *copied;
}

TEST_F(ItemTableWindowTest, ExitWithUnsavedEditsAsksAndCancelKeepsBothWindows) {
  Type(L"1");
  Key(table_->EditorControl(), VK_RETURN);
  SendMessageW(editor_.Window(), WM_COMMAND, static_cast<WPARAM>(Editor::CommandId("Exit")), 0);
  EXPECT_EQ(questions_, std::vector<std::string>{UnsavedEditsQuestion(table_->Table())});
  EXPECT_TRUE(IsWindow(editor_.Window()));
  ASSERT_EQ(editor_.TableWindow(), table_);

  answer_ = SaveChoice::Discard;
  SendMessageW(editor_.Window(), WM_COMMAND, static_cast<WPARAM>(Editor::CommandId("Exit")), 0);
  EXPECT_EQ(questions_.size(), 2u);
  EXPECT_EQ(editor_.Window(), nullptr);
  EXPECT_EQ(ReadFileBytes(path_), original_);
}

TEST_F(ItemTableWindowTest, KeysMoveEditThePocketListAndCancel) {
  for (int step = 0; step < 3; ++step) Key(List(), VK_RIGHT);  // Effect, Var., Pocket
  Key(List(), VK_F2);
  HWND list = table_->EditorControl();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0));
  SendMessageW(list, CB_SETCURSEL, 2, 0);
  Key(list, VK_TAB);
  EXPECT_EQ(table_->Table().Text(1, TableColumn::Pocket), "Key");
  ASSERT_TRUE(table_->View().Current());
  EXPECT_EQ(table_->View().Current()->column, TableColumn::Use);
  Type(L"FF");
  Key(table_->EditorControl(), VK_ESCAPE);
  EXPECT_EQ(table_->Table().State(1, TableColumn::Use), ItemTable::CellState::Unchanged);
}

TEST_F(ItemTableWindowTest, ShiftEnterBreaksADescriptionsLineAndEnterCommits) {
  GoTo(1, 9);  // Description
  Type(L"A");
  BYTE keys[256]{};
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  Key(table_->EditorControl(), VK_RETURN);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  SendMessageW(table_->EditorControl(), WM_CHAR, L'B', 0);
  Key(table_->EditorControl(), VK_RETURN);
  EXPECT_EQ(table_->Table().Text(1, TableColumn::Description), "A\nB");
}

TEST_F(ItemTableWindowTest, AnExportImportedBackThroughTheDialogsChangesNothing) {
  const std::string exported = Utf8Text(dir_.Path("") / FilePath("items é.csv"));
  dialogs_.answers.push_back(exported);
  SendMessageW(table_->Window(), WM_COMMAND, static_cast<WPARAM>(ItemTableWindow::CommandId("Export")), 0);
  ASSERT_TRUE(std::filesystem::exists(FilePath(exported)));
  dialogs_.answers.push_back(exported);
  SendMessageW(table_->Window(), WM_COMMAND, static_cast<WPARAM>(ItemTableWindow::CommandId("Import")), 0);
  EXPECT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_FALSE(table_->Table().HasEdits());
  EXPECT_EQ(ReadFileBytes(path_), original_);
}
