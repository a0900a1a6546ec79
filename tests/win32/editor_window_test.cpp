// The native windows, driven through their real controls by the messages a
// user's actions send, with the file dialog replaced by a script. Every
// check that matters ends on the bytes of the file.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <thread>
#include <string>
#include <vector>

#include "fake_file_dialog.h"
#include "forms/editor_form.h"
#include "items/edition_table.h"
#include "keys.h"
#include "quit_requests.h"
#include "rom_builder.h"
#include "rom_io/file_path.h"
#include "items/item_meaning.h"
#include "rom_io/hex_functions.h"
#include "win32/editor_window.h"
#include "win32/message_box.h"
#include "win32/wide_text.h"

namespace {

// The text `tips` show over `control` of the window `owner`.
std::wstring TipOver(const ControlTips& tips, HWND owner, HWND control) {
  wchar_t tip[128] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = tip;
  SendMessageW(tips.TipWindow(), TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
  return tip;
}

class EditorWindowTest : public ::testing::Test {
 protected:
  EditorWindowTest()
      : editor_([this] { return std::make_shared<FakeFileDialog>(dialogs_); },
                [this](HWND, const std::string& text) { messages_.push_back(text); }) {
    ShowWindow(editor_.Window(), SW_SHOWNORMAL);
  }

  std::filesystem::path Rom(const Edition& edition, const char* name = "rom.gbc") {
    const auto path = dir_.Path(name);
    RomBuilder(RomBuilder::TwoMiB, 5).WithEdition(edition).WriteTo(path);
    return path;
  }
  HWND Control(const char* name) const { return editor_.Control(name); }
  void Menu(const char* entry) { SendMessageW(editor_.Window(), WM_COMMAND, static_cast<WPARAM>(Editor::CommandId(entry)), 0); }
  void Open(const std::filesystem::path& path) {
    dialogs_.answers.push_back(Utf8Text(path));
    Menu("Open");
  }
  void Load(int item) {
    SendMessageW(Control("Item"), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageW(Control("Load"), BM_CLICK, 0, 0);
  }
  void Type(const char* field, const char* text) { SetText(Control(field), text); }

  TempDir dir_;
  DialogScript dialogs_;
  std::vector<std::string> messages_;
  Editor editor_;
};

TEST_F(EditorWindowTest, StartsWithOnlyTheMenuUsable) {
  EXPECT_EQ(WindowText(editor_.Window()), "Kestrune");
  EXPECT_EQ(WindowText(Control("Witchita")), "None");
  EXPECT_TRUE(IsWindowEnabled(Control("Frame9")));
  for (const std::string_view frame : EditingFrames) {
    EXPECT_FALSE(IsWindowEnabled(Control(std::string(frame).c_str()))) << frame;
  }
  for (const char* control : {"Item", "Load", "Price", "Pocket", "ASM"}) {
    EXPECT_FALSE(IsWindowEnabled(Control(control))) << control;
  }
  EXPECT_EQ(SendMessageW(Control("Item"), CB_GETCOUNT, 0, 0), 256);
  EXPECT_EQ(SendMessageW(Control("Pocket"), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(GetWindowLongW(editor_.Window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
}

TEST_F(EditorWindowTest, EachEditionOpensLoadsAndSavesOnlyTheEditedBytes) {
  for (const Edition& edition : EditionTable) {
    const auto path = Rom(edition, "edition.gbc");
    const auto before = ReadFileBytes(path);
    Open(path);
    EXPECT_EQ(WindowText(Control("Witchita")), edition.label);
    EXPECT_TRUE(IsWindowEnabled(Control("Price")));
    Load(2);
    Type("Price", "1234");
    SendMessageW(Control("Pocket"), CB_SETCURSEL, 4, 0);
    Menu("Save");
    const auto record = static_cast<size_t>(RecordAddress(edition.itemTableBase, 2));
    const auto after = ReadFileBytes(path);
    std::vector<size_t> expected;
    for (const size_t offset : {record, record + 1, record + 5}) {
      if (before[offset] != after[offset]) expected.push_back(offset);
    }
    EXPECT_EQ(DifferingOffsets(before, after), expected) << edition.label;
    EXPECT_EQ(after[record], 0xD2);
    EXPECT_EQ(after[record + 1], 0x04);
    EXPECT_EQ(after[record + 5], 4);
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(EditorWindowTest, RefusedSaveWritesNothingAndSaysWhy) {
  const auto path = Rom(EditionTable[0]);
  const auto before = ReadFileBytes(path);
  Open(path);
  Load(5);
  // Text set from outside the keyboard is not held to the field's length.
  Type("Variable", "1FF");
  Menu("Save");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_.front().rfind("Var.:", 0), 0u) << messages_.front();
  EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(EditorWindowTest, FailedSaveIsReported) {
  const auto path = Rom(EditionTable[2]);
  Open(path);
  Load(5);
  std::filesystem::remove(path);
  Menu("Save");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_.front().rfind("Cannot save to \"" + Utf8Text(path) + "\"", 0), 0u) << messages_.front();
  EXPECT_FALSE(std::filesystem::exists(path));
}

// Another program set the price after the Load: Save would put it back, so
// it writes nothing. A typed name that several items bear is refused too.
TEST_F(EditorWindowTest, SaveRefusesAnItemChangedSinceItsLoadAndLoadARepeatedName) {
  const auto path = Rom(EditionTable[0]);
  Open(path);
  Load(18);
  HexFunctions::WriteHexBytes(Utf8Text(path), EditionTable[0].itemTableBase + 17 * 7, "6F00");
  const auto before = ReadFileBytes(path);
  Menu("Save");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_.front().find("since it was loaded (Price)"), std::string::npos) << messages_.front();
  EXPECT_EQ(ReadFileBytes(path), before);

  Type("Item", "teru-sama");
  SendMessageW(Control("Load"), BM_CLICK, 0, 0);
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_.back().rfind("The name \"Teru-Sama\" stands at items 6, 25,", 0), 0u) << messages_.back();
}

TEST_F(EditorWindowTest, LoadingItemZeroIsRefusedAndItemsPastThePointersLockTheAsmField) {
  Open(Rom(EditionTable[0]));
  Load(0);
  EXPECT_EQ(messages_, std::vector<std::string>{"Cannot load Item 0"});
  Load(180);
  EXPECT_FALSE(IsWindowEnabled(Control("FrameASM")));
  EXPECT_FALSE(IsWindowEnabled(Control("ASM")));
  EXPECT_FALSE(WindowText(Control("Price")).empty());
}

// The name rule is the core's; this shows that Load reads a typed name by it.
TEST_F(EditorWindowTest, ATypedNameLoadsItsItemInAnyCaseAndWithoutAccents) {
  Open(Rom(EditionTable[0]));
  Load(5);
  const std::string pokeBall = WindowText(Control("Price"));
  Load(1);
  Type("Item", "poke ball");
  SendMessageW(Control("Load"), BM_CLICK, 0, 0);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(WindowText(Control("Price")), pokeBall);
}

TEST_F(EditorWindowTest, AHacksOwnNamesStandInTheListAndChooseTheItem) {
  std::vector<std::string> names = CleanRomItemNames(EditionTable[0]);
  names[0] = "SHINY CHARM";
  const auto path = dir_.Path("hack.gbc");
  RomBuilder().WithEdition(EditionTable[0]).WithItemTableAt(EditionTable[0], 0x4C000).WithItemNames(EditionTable[0], names).WithRecord(EditionTable[0], 1, {0x39, 0x30, 0, 0, 0, 1, 0}).WriteTo(path);
  Open(path);
  EXPECT_EQ(TipOver(editor_.LabelTips(), editor_.Window(), Control("Witchita")), L"Item table 0x4C000, moved from 0x68A0");
  Type("Item", "shiny");
  SendMessageW(Control("Load"), BM_CLICK, 0, 0);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(WindowText(Control("Price")), "12345");
  EXPECT_EQ(TipOver(editor_.ItemTips(), editor_.Window(), Control("Load")), L"The best BALL. It\r\nnever misses.");
  wchar_t first[32] = {};
  SendMessageW(Control("Item"), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(first));
  EXPECT_EQ(std::wstring(first), L"SHINY CHARM");
}

TEST_F(EditorWindowTest, LoadThenSaveLeavesAnUnknownPocketByteAlone) {
  const auto path = dir_.Path("odd.gbc");
  RomBuilder(RomBuilder::TwoMiB, 9).WithEdition(EditionTable[0]).WithRecord(EditionTable[0], 7, {1, 2, 3, 4, 5, 0xA5, 6})
      .WriteTo(path);
  const auto before = ReadFileBytes(path);
  Open(path);
  Load(7);
  EXPECT_EQ(WindowText(Control("Pocket")), "(A5)");
  Menu("Save");
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(ReadFileBytes(path), before);
}

// The wording is the core's; the window only has to keep it current.
TEST_F(EditorWindowTest, FieldTooltipsFollowTheValuesLoadedAndTyped) {
  const auto path = dir_.Path("tips.gbc");
  RomBuilder(RomBuilder::TwoMiB, 9).WithEdition(EditionTable[0]).WithRecord(EditionTable[0], 7, {1, 2, 3, 4, 5, 2, 6})
      .WriteTo(path);
  Open(path);
  Load(7);
  const auto tip = [this](const char* field) { return TipOver(*editor_.FieldTips(field), editor_.Window(), Control(field)); };
  EXPECT_EQ(tip("Pocket"), L"02: Key");
  Type("Effect", "01");
  EXPECT_EQ(tip("Effect"), L"01: Berry (HELD_BERRY)");
  EXPECT_EQ(tip("Variable"), Wide(DescribeVariable("01", "04")));
}

TEST_F(EditorWindowTest, TabVisitsTheFieldsInTheDesignsOrder) {
  Open(Rom(EditionTable[0]));
  Load(1);
  const std::vector<std::string> expected{"ASM", "Price", "Variable", "Options", "How",
                                          "Effect", "Pocket", "Load", "Item"};
  std::vector<std::string> visited;
  HWND at = Control("Item");
  for (size_t i = 0; i < expected.size(); ++i) {
    at = GetNextDlgTabItem(editor_.Window(), at, FALSE);
    const auto found = std::find_if(expected.begin(), expected.end(),
                                    [&](const std::string& name) { return Control(name.c_str()) == at; });
    visited.push_back(found == expected.end() ? "?" : *found);
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(EditorWindowTest, ShortcutsRunOpenAndSave) {
  const auto path = Rom(EditionTable[1]);
  dialogs_.answers.push_back(Utf8Text(path));
  EXPECT_TRUE(PressCtrl(editor_.Window(), editor_.Accelerators(), Control("Price"), 'O'));
  EXPECT_EQ(WindowText(Control("Witchita")), "Pokémon Silver Version");
  EXPECT_TRUE(PressCtrl(editor_.Window(), editor_.Accelerators(), Control("Price"), 'S'));
  EXPECT_EQ(messages_.size(), 1u);  // Save before any Load is refused
}

// As in the Linux window: shortcuts stand beside their entries, and a
// disabled frame's caption is greyed while an enabled one's is not.
TEST_F(EditorWindowTest, MenusShowTheirShortcutsAndDisabledFramesGreyTheirCaptions) {
  wchar_t entry[32] = {};
  GetMenuStringW(GetMenu(editor_.Window()), static_cast<UINT>(Editor::CommandId("Open")), entry, 32, MF_BYCOMMAND);
  EXPECT_EQ(std::wstring(entry), L"Open\tCtrl+O");
  HDC dc = CreateCompatibleDC(nullptr);
  const auto captionColour = [&](const char* frame) {
    SendMessageW(editor_.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Control(frame)));
    return GetTextColor(dc);
  };
  EXPECT_EQ(captionColour("FramePrice"), GetSysColor(COLOR_GRAYTEXT));
  EXPECT_EQ(captionColour("Frame9"), GetSysColor(COLOR_WINDOWTEXT));
  Open(Rom(EditionTable[0]));
  EXPECT_EQ(captionColour("FramePrice"), GetSysColor(COLOR_WINDOWTEXT));
  DeleteDC(dc);
}

// What Explorer hands over when files are dropped onto a window.
HDROP DropOf(const std::vector<std::filesystem::path>& files) {
  std::wstring names;
  for (const auto& file : files) names += file.wstring() + L'\0';
  names += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST_F(EditorWindowTest, OneFileDroppedOntoTheWindowOpensAsOpenDoes) {
  EXPECT_NE(GetWindowLongW(editor_.Window(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  const auto gold = Rom(EditionTable[0], "gold.gbc");
  const auto crystal = Rom(EditionTable[2], "crystal.gbc");
  SendMessageW(editor_.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({gold, crystal})), 0);
  EXPECT_EQ(WindowText(Control("Witchita")), "None");
  SendMessageW(editor_.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({crystal})), 0);
  EXPECT_EQ(WindowText(Control("Witchita")), "Pokémon Crystal Version");
  EXPECT_TRUE(IsWindowEnabled(Control("Price")));
  SendMessageW(editor_.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({dir_.Path("gone.gbc")})), 0);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_.front().find("gone.gbc"), std::string::npos) << messages_.front();
}

TEST_F(EditorWindowTest, AboutIsOneOwnerlessWindowBesideTheEditor) {
  Menu("About");
  HWND about = editor_.AboutWindow();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(IsWindowVisible(about));
  EXPECT_EQ(GetWindow(about, GW_OWNER), nullptr);
  EXPECT_NE(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);  // no taskbar entry
  EXPECT_TRUE(IsWindowEnabled(editor_.Window()));
  Menu("About");
  EXPECT_EQ(editor_.AboutWindow(), about);
  EXPECT_EQ(FindWindowExW(nullptr, about, L"KestruneAbout", nullptr), nullptr);

  // The editor stays usable while About is open.
  Open(Rom(EditionTable[2]));
  EXPECT_EQ(WindowText(Control("Witchita")), "Pokémon Crystal Version");

  SendMessageW(about, WM_COMMAND, IDCANCEL, 0);  // Esc
  EXPECT_FALSE(IsWindow(about));
  Menu("About");
  ASSERT_NE(editor_.AboutWindow(), nullptr);
  EXPECT_NE(editor_.AboutWindow(), about);
  SendMessageW(editor_.AboutWindow(), WM_COMMAND, IDOK, 0);  // Enter or OK
  EXPECT_EQ(editor_.AboutWindow(), nullptr);
}

// What a second thread finds in the box that ShowMessage shows.
struct BoxSeen {
  std::string text;
  int buttons = 0;
  bool okOnly = false;
};

void CloseBox(BoxSeen& seen, std::atomic<bool>& done) {
  for (int attempt = 0; attempt < 200 && !done; ++attempt, Sleep(50)) {
    HWND box = FindWindowW(L"#32770", L"Kestrune");
    if (box == nullptr || !IsWindowVisible(box)) continue;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t className[16] = {};
      GetClassNameW(child, className, 16);
      if (std::wstring(className) == L"Button") ++seen.buttons;
      if (std::wstring(className) == L"Static" && !WindowText(child).empty()) seen.text = WindowText(child);
    }
    seen.okOnly = seen.buttons == 1 && GetDlgItem(box, IDOK) != nullptr;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return;
  }
}

TEST(PlainMessage, HasTheProgramsTitleAndOnlyOk) {
  BoxSeen seen;
  std::atomic<bool> done = false;
  ForgetQuitRequests();
  std::thread user(CloseBox, std::ref(seen), std::ref(done));
  ShowMessage(nullptr, "Cannot load Item 0");
  done = true;
  user.join();
  EXPECT_EQ(seen.text, "Cannot load Item 0");
  EXPECT_TRUE(seen.okOnly) << seen.buttons;
}

}  // namespace
