#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The platform's open/save request record, field for field, held as plain
// values so that the wrapper can be run and checked without a window system.
// A text field that is absent reaches the platform as a null pointer; a
// present one as a NUL-terminated single-byte string of its characters, which
// may themselves include NULs (the filter list, the file buffers).
struct OpenFileNameRecord {
  uint32_t lStructSize = 0;
  intptr_t hwndOwner = 0;
  intptr_t hInstance = 0;
  std::optional<std::string> lpstrFilter;
  std::optional<std::string> lpstrCustomFilter;
  uint32_t nMaxCustFilter = 0;
  uint32_t nFilterIndex = 0;
  std::optional<std::string> lpstrFile;
  uint32_t nMaxFile = 0;
  std::optional<std::string> lpstrFileTitle;
  uint32_t nMaxFileTitle = 0;
  std::optional<std::string> lpstrInitialDir;
  std::optional<std::string> lpstrTitle;
  uint32_t Flags = 0;
  uint16_t nFileOffset = 0;
  uint16_t nFileExtension = 0;
  std::optional<std::string> lpstrDefExt;
  intptr_t lCustData = 0;
  uintptr_t lpfnHook = 0;
  std::optional<std::string> lpTemplateName;

  bool operator==(const OpenFileNameRecord&) const = default;
};

// What the platform reads from a text field: its characters up to the first
// NUL, nothing when it is absent.
inline std::string PlatformText(const std::optional<std::string>& field) {
  const std::string& text = field.value_or("");
  return text.substr(0, text.find('\0'));
}

// The bits of `Flags` that a platform facility honours. Named apart from
// the platform's own macros, which would otherwise clash with them.
namespace DialogFlags {
inline constexpr uint32_t OverwritePrompt = 0x00000002;
inline constexpr uint32_t HideReadOnly = 0x00000004;
inline constexpr uint32_t PathMustExist = 0x00000800;
inline constexpr uint32_t FileMustExist = 0x00001000;
}  // namespace DialogFlags
