#include "rom_io/file_path.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

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

bool CreateNewFile(const std::filesystem::path& path) {
#ifdef _WIN32
  const int file = _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  return file >= 0 && _close(file) == 0;
#else
  const int file = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
  return file >= 0 && close(file) == 0;
#endif
}

bool SyncCFile(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

#ifdef _WIN32

namespace {

std::error_code LastSystemError() { return {static_cast<int>(GetLastError()), std::system_category()}; }

}  // namespace

void CopyOver(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& error) {
  error = CopyFileW(from.c_str(), to.c_str(), FALSE) ? std::error_code{} : LastSystemError();
}

void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& error) {
  error = MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) ? std::error_code{} : LastSystemError();
}

#else

void CopyOver(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& error) {
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
}

void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& error) {
  std::filesystem::rename(from, to, error);
}

#endif
