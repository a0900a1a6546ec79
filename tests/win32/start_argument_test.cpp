// kestrune.exe started with a ROM, as Explorer's "Open with" starts it: its
// window shows the ROM's edition.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "items/edition_table.h"
#include "rom_builder.h"
#include "rom_io/file_path.h"
#include "win32/wide_text.h"

namespace {

struct Search {
  DWORD process;
  HWND found = nullptr;
};

// The editor's main window in `process`, once it is shown.
HWND EditorOf(DWORD process) {
  Search search{process};
  EnumWindows(
      [](HWND window, LPARAM context) {
        auto* wanted = reinterpret_cast<Search*>(context);
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != wanted->process || std::wstring(name) != L"KestruneEditor" || !IsWindowVisible(window))
          return TRUE;
        wanted->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool ShowsText(HWND window, const std::string& text) {
  std::pair<const std::string*, bool> search{&text, false};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM context) {
        auto* wanted = reinterpret_cast<std::pair<const std::string*, bool>*>(context);
        wanted->second = WindowText(child) == *wanted->first;
        return wanted->second ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

TEST(StartArgument, TheRomTheEditorIsStartedWithIsOpen) {
  TempDir dir;
  const auto rom = (dir.Root() / FilePath("été 日本/crystal ★.gbc")).make_preferred();
  std::filesystem::create_directories(rom.parent_path());
  RomBuilder(RomBuilder::TwoMiB, 6).WithEdition(EditionTable[2]).WriteTo(rom);
  std::wstring line = L"\"" + FilePath(KESTRUNE_EXE_PATH).make_preferred().wstring() + L"\" \"" + rom.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  HWND editor = nullptr;
  bool shown = false;
  for (int attempt = 0; attempt < 600 && !shown; ++attempt, Sleep(50)) {
    editor = EditorOf(process.dwProcessId);
    shown = editor != nullptr && ShowsText(editor, std::string(EditionTable[2].label));
  }
  EXPECT_TRUE(shown);
  if (editor != nullptr) PostMessageW(editor, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
