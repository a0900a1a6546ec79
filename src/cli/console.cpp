#include "cli/console.h"

#include <cstdio>

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

// A file is one volume's serial number and its index on that volume; the C
// runtime's stat gives no index.
bool SameFile(HANDLE a, HANDLE b) {
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  return GetFileInformationByHandle(a, &first) && GetFileInformationByHandle(b, &second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber && first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

}  // namespace

void UseBinaryConsole() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

// The C runtime gives the standard streams numbers of their own, which no
// file opened later takes.
void HoldClosedStandardStreams() {}

bool StandardOutputIs(const std::string& path) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == INVALID_HANDLE_VALUE || out == nullptr || GetFileType(out) != FILE_TYPE_DISK) return false;
  HANDLE file = CreateFileW(FilePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool same = SameFile(out, file);
  CloseHandle(file);
  return same;
}

#else

void UseBinaryConsole() {}

void HoldClosedStandardStreams() {
  for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    // open() takes the lowest free number, which is this one.
    if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) open("/dev/null", O_RDONLY | O_CLOEXEC);
  }
}

bool StandardOutputIs(const std::string& path) {
  struct stat out {};
  struct stat file {};
  return fstat(STDOUT_FILENO, &out) == 0 && stat(path.c_str(), &file) == 0 && S_ISREG(out.st_mode) &&
         out.st_dev == file.st_dev && out.st_ino == file.st_ino;
}

#endif
