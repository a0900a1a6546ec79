#include "win32/dropped_file.h"

#include <shellapi.h>

#include "dialogs/system_library.h"
#include "win32/wide_text.h"

namespace {

// The shell's library is large and only a drop needs it: it is loaded at the first.
constexpr wchar_t ShellLibrary[] = L"shell32.dll";
constexpr UINT CountFiles = 0xFFFFFFFF;

}  // namespace

std::optional<std::string> DroppedFile(HDROP drop) {
  static auto* const query = LoadSystemFunction<decltype(::DragQueryFileW)>(ShellLibrary, "DragQueryFileW");
  static auto* const finish = LoadSystemFunction<decltype(::DragFinish)>(ShellLibrary, "DragFinish");
  std::optional<std::string> path;
  if (query != nullptr && query(drop, CountFiles, nullptr, 0) == 1) {
    std::wstring name(query(drop, 0, nullptr, 0) + 1, L'\0');
    name.resize(query(drop, 0, name.data(), static_cast<UINT>(name.size())));
    path = Utf8(name);
  }
  if (finish != nullptr) finish(drop);
  return path;
}
