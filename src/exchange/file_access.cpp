#include "exchange/file_access.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "exchange/console.h"
#include "items/refusal.h"
#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"

namespace fs = std::filesystem;

namespace {

// Set once a command has written into a ROM, so that a report lost after it
// does not read as if nothing happened.
bool romWritten = false;

// A file that will be renamed over the output reaches the disk first, so that
// a crash cannot leave the output named but empty; a device or a FIFO, written
// straight through, has nothing to sync.
std::error_code WriteAll(const fs::path& path, const std::string& text) {
  std::FILE* file = OpenCFile(path, "wb");
  if (file == nullptr) return LastFileError();
  const bool regular = fs::is_regular_file(path);
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                       (regular ? SyncCFile(file) : std::fflush(file) == 0);
  const std::error_code error = written ? std::error_code{} : LastFileError();
  if (std::fclose(file) != 0 && !error) return LastFileError();
  return error;
}

}  // namespace

int64_t ReadableFileSize(const std::string& path) {
  std::error_code error;
  // Only regular files: a FIFO or a device would block or never end.
  const fs::file_status status = fs::status(FilePath(path), error);
  if (error) throw Refused(EditorProblem::CannotRead, FileDetails(path, error));
  if (!fs::is_regular_file(status)) throw Refused(EditorProblem::NotAFile, FileDetails(path));
  const auto size = fs::file_size(FilePath(path), error);
  if (error) throw Refused(EditorProblem::CannotRead, FileDetails(path, error));
  if (!std::ifstream(FilePath(path), std::ios::binary).is_open()) {
    throw Refused(EditorProblem::CannotRead, FileDetails(path, LastFileError()));
  }
  switch (StandardOutputTarget(path)) {
    case OutputTarget::Elsewhere:
      break;
    case OutputTarget::ThisFile:
      throw Refused(EditorProblem::OutputIsRead, FileDetails(path));
    case OutputTarget::UntoldFile:
      throw Refused(EditorProblem::OutputUntold, FileDetails(path));
  }
  return static_cast<int64_t>(size);
}

std::string ReadTextFile(const std::string& path) {
  ReadableFileSize(path);
  std::ifstream file(FilePath(path), std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw Refused(EditorProblem::CannotRead, FileDetails(path, LastFileError()));
  return text;
}

void WriteTextFile(const std::string& path, const std::string& text) {
  const std::error_code error =
      ReplaceFile(FilePath(path), false, [&text](const fs::path& temporary) { return WriteAll(temporary, text); });
  if (error) throw Refused(EditorProblem::CannotWriteFile, FileDetails(path, error));
}

void RefuseOutputOverInput(const std::string& output, const std::string& input) {
  std::error_code error;
  if (fs::equivalent(FilePath(output), FilePath(input), error)) {
    ProblemDetails details = FileDetails(output);
    details.otherPath = input;
    throw Refused(EditorProblem::OutputIsInput, details);
  }
}

void WatchStandardOutput() { std::cout.exceptions(std::ios::badbit | std::ios::failbit); }

void FlushStandardOutput() {
  std::cout.flush();
  if (std::fflush(stdout) != 0) throw Refused(StandardOutputError());
}

void NoteRomWritten() { romWritten = true; }

Refusal StandardOutputError() {
  return {romWritten ? EditorProblem::ReportLost : EditorProblem::OutputLost, FileDetails({}, LastFileError())};
}
