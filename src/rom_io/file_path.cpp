#include "rom_io/file_path.h"

std::filesystem::path FilePath(const std::string& utf8) {
  try {
    return {std::u8string(utf8.begin(), utf8.end())};
  } catch (const std::exception&) {
    return {};
  }
}

std::string Utf8Text(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}
