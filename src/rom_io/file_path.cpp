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

std::FILE* OpenCFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
  // The narrow form would go through the code page; the wide one takes any name.
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wideMode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

std::FILE* OpenCFile(const std::string& utf8, const char* mode) { return OpenCFile(FilePath(utf8), mode); }
