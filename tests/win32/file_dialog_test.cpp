// The real open-file dialog: a second thread fills in the name and presses
// OK, as a user would, and ShowOpen returns the path.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "dialogs/cls_common_dialog.h"
#include "dialogs/win32_file_dialog.h"
#include "forms/editor_form.h"
#include "quit_requests.h"
#include "rom_builder.h"
#include "rom_io/file_path.h"

namespace {

// The dialog's file name control: cmb13 in the current layout, edt1 in older ones.
constexpr int NameControls[] = {0x47C, 0x480};

void AnswerDialog(const std::string& title, const std::string& path, std::atomic<bool>& answered) {
  for (int attempt = 0; attempt < 200 && !answered; ++attempt) {
    if (HWND dialog = FindWindowA(nullptr, title.c_str()); dialog != nullptr && IsWindowVisible(dialog)) {
      const int name = GetDlgItem(dialog, NameControls[0]) != nullptr ? NameControls[0] : NameControls[1];
      SetDlgItemTextA(dialog, name, path.c_str());
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
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

}  // namespace
