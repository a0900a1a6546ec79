#include "exchange/console.h"

#include <cstdio>
#include <cstring>
#include <optional>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "rom_io/file_path.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

#ifdef _WIN32

namespace {

// A file is its volume's serial number and its identifier on that volume;
// the C runtime's stat gives no identifier.
std::optional<FILE_ID_INFO> IdentityOf(HANDLE file) {
  FILE_ID_INFO identity{};
  if (!GetFileInformationByHandleEx(file, FileIdInfo, &identity, sizeof(identity))) return std::nullopt;
  return identity;
}

bool SameIdentifier(const FILE_ID_INFO& a, const FILE_ID_INFO& b) {
  return std::memcmp(&a.FileId, &b.FileId, sizeof(a.FileId)) == 0;
}

std::optional<std::wstring> FinalPath(HANDLE file) {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
  if (length >= path.size()) {
    path.resize(length);
    length = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
  }
  if (length == 0 || length >= path.size()) return std::nullopt;
  path.resize(length);
  return path;
}

// Names differ only in case on Windows' file systems.
std::optional<bool> SamePath(HANDLE a, HANDLE b) {
  const std::optional<std::wstring> first = FinalPath(a);
  const std::optional<std::wstring> second = FinalPath(b);
  if (!first || !second) return std::nullopt;
  return CompareStringOrdinal(first->c_str(), static_cast<int>(first->size()), second->c_str(),
                              static_cast<int>(second->size()), TRUE) == CSTR_EQUAL;
}

// Whether two handles name one file; empty when the system cannot tell.
// Under Wine, a file that a Linux shell opened has neither a volume nor a
// final path, but an identifier: the same identifier on another volume
// then counts as the same file, which errs on the side of refusing.
std::optional<bool> SameFile(HANDLE a, HANDLE b) {
  const std::optional<FILE_ID_INFO> first = IdentityOf(a);
  const std::optional<FILE_ID_INFO> second = IdentityOf(b);
  const bool volumesKnown = first && second && first->VolumeSerialNumber != 0 && second->VolumeSerialNumber != 0;
  if (volumesKnown) return first->VolumeSerialNumber == second->VolumeSerialNumber && SameIdentifier(*first, *second);
  if (const std::optional<bool> samePath = SamePath(a, b)) return samePath;
  if (first && second) return SameIdentifier(*first, *second);
  return std::nullopt;
}

}  // namespace

void UseBinaryConsole() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

// The C runtime gives the standard streams numbers of their own, which no
// file opened later takes.
void HoldClosedStandardStreams() {}

OutputTarget StandardOutputTarget(const std::string& path) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == INVALID_HANDLE_VALUE || out == nullptr || GetFileType(out) != FILE_TYPE_DISK)
    return OutputTarget::Elsewhere;
  HANDLE file = CreateFileW(FilePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return OutputTarget::Elsewhere;
  const std::optional<bool> same = SameFile(out, file);
  CloseHandle(file);
  if (!same) return OutputTarget::UntoldFile;
  return *same ? OutputTarget::ThisFile : OutputTarget::Elsewhere;
}

#else

void UseBinaryConsole() {}

void HoldClosedStandardStreams() {
  for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    // open() takes the lowest free number, which is this one.
    if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) open("/dev/null", O_RDONLY | O_CLOEXEC);
  }
}

OutputTarget StandardOutputTarget(const std::string& path) {
  struct stat out {};
  struct stat file {};
  const bool same = fstat(STDOUT_FILENO, &out) == 0 && stat(path.c_str(), &file) == 0 && S_ISREG(out.st_mode) &&
                    out.st_dev == file.st_dev && out.st_ino == file.st_ino;
  return same ? OutputTarget::ThisFile : OutputTarget::Elsewhere;
}

#endif
