// The real open-file dialog: a second thread fills in the name and presses
// OK, or types it as a user would, and the path comes back.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "dialogs/cls_common_dialog.h"
#include "dialogs/win32_file_dialog.h"
#include "forms/editor_form.h"
#include "items/edition_table.h"
#include "keys.h"
#include "quit_requests.h"
#include "rom_builder.h"
#include "rom_io/file_path.h"
#include "win32/editor_window.h"
#include "win32/wide_text.h"

namespace {

// The dialog's file name control: cmb13 in the current layout, edt1 in older ones.
constexpr int NameControls[] = {0x47C, 0x480};

HWND ShownDialog(const std::string& title) {
  HWND dialog = FindWindowA(nullptr, title.c_str());
  return dialog != nullptr && IsWindowVisible(dialog) ? dialog : nullptr;
}

int NameControl(HWND dialog) {
  return GetDlgItem(dialog, NameControls[0]) != nullptr ? NameControls[0] : NameControls[1];
}

void AnswerDialog(const std::string& title, const std::string& path, std::atomic<bool>& answered) {
  for (int attempt = 0; attempt < 200 && !answered; ++attempt) {
    if (HWND dialog = ShownDialog(title)) {
      SetDlgItemTextA(dialog, NameControl(dialog), path.c_str());
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      answered = true;
      return;
    }
    Sleep(50);
  }
}

// Where the user types the name: the edit box that the file-name control
// is, or that stands innermost in it where it is a combo box (in one more,
// in Wine's layout). Null until the dialog has made it.
HWND NameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, NameControl(dialog));
  while (HWND inner = box != nullptr ? GetWindow(box, GW_CHILD) : nullptr) box = inner;
  return box;
}

// A click into the file-name box, End, the name typed key by key, Enter.
void TypeIntoDialog(const std::string& title, const std::wstring& name, std::atomic<bool>& answered) {
  for (int attempt = 0; attempt < 200 && !answered; ++attempt) {
    HWND dialog = ShownDialog(title);
    if (HWND box = dialog != nullptr ? NameBox(dialog) : nullptr) {
      PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
      PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
      PostMessageW(box, WM_KEYDOWN, VK_END, 1);
      for (const wchar_t key : name) PostMessageW(box, WM_CHAR, key, 1);
      PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1);
      answered = true;
      return;
    }
    Sleep(50);
  }
}

std::string ChooseInRealDialog(const std::string& path) {
  ForgetQuitRequests();
  clsCommonDialog dialog(std::make_shared<Win32FileDialog>());
  const std::string title(OpenDialogTitle);
  std::atomic<bool> answered = false;
  std::thread user(AnswerDialog, title, path, std::ref(answered));
  const std::string chosen = dialog.ShowOpen(0, title, "", std::string(OpenDialogFilter), OpenDialogFlags);
  answered = true;
  user.join();
  return chosen;
}

TEST(RealFileDialog, ReturnsTheChosenPathInUtf8) {
  // The program's manifest makes the single-byte functions speak UTF-8.
  ASSERT_EQ(GetACP(), 65001u);
  TempDir dir;
  for (const char* name : {"plain.gbc", "été/日本 ★.gbc"}) {
    const auto file = (dir.Root() / FilePath(name)).make_preferred();
    std::filesystem::create_directories(file.parent_path());
    RomBuilder(0x8000).WriteTo(file);
    EXPECT_EQ(ChooseInRealDialog(Utf8Text(file)), Utf8Text(file)) << name;
  }
}

// The file-name box starts empty, so what the user types is the whole name.
TEST(RealFileDialog, ANameTypedIntoTheEditorsOpenDialogOpensTheRom) {
  ForgetQuitRequests();
  TempDir dir;
  const auto rom = (dir.Root() / FilePath("typed ★.gbc")).make_preferred();
  RomBuilder(RomBuilder::TwoMiB, 4).WithEdition(EditionTable[0]).WriteTo(rom);
  std::vector<std::string> messages;
  Editor editor([] { return std::make_shared<Win32FileDialog>(); },
                [&messages](HWND, const std::string& text) { messages.push_back(text); });
  ShowWindow(editor.Window(), SW_SHOWNORMAL);
  std::atomic<bool> answered = false;
  std::thread user(TypeIntoDialog, std::string(OpenDialogTitle), rom.wstring(), std::ref(answered));
  EXPECT_TRUE(PressCtrl(editor.Window(), editor.Accelerators(), editor.Control("Witchita"), 'O'));
  answered = true;
  user.join();
  EXPECT_EQ(WindowText(editor.Control("Witchita")), EditionTable[0].label);
  EXPECT_TRUE(messages.empty()) << messages.front();
}

}  // namespace
