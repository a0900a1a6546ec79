#include "rom_io/file_replacement.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#include "rom_io/file_path.h"

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 16;

// A new, empty file beside `target` whose name no other file has.
std::error_code CreateTemporary(const fs::path& target, fs::path& temporary) {
  std::random_device entropy;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    temporary = target;
    temporary.replace_filename(FilePath("." + Utf8Text(target.filename()) + "." + std::to_string(entropy()) + ".tmp"));
    if (CreateNewFile(temporary)) return {};
    if (errno != EEXIST) return LastFileError();
  }
  return std::make_error_code(std::errc::file_exists);
}

std::error_code FillTemporary(const fs::path& target, const fs::path& temporary, bool startFromCopy,
                              const FileFiller& fill) {
  std::error_code error;
  if (startFromCopy) {
    CopyOver(target, temporary, error);
  } else if (fs::exists(target, error)) {
    // A replaced file keeps who may read and write it.
    fs::permissions(temporary, fs::status(target, error).permissions(), error);
  }
  if (!error) error = fill(temporary);
  if (!error) RenameOver(temporary, target, error);
  return error;
}

// Renaming would replace a file that the user may not write.
std::error_code CheckWritable(const fs::path& path) {
  std::FILE* file = OpenCFile(path, "r+b");
  if (file == nullptr) return LastFileError();
  std::fclose(file);
  return {};
}

}  // namespace

std::error_code LastFileError() {
  const int number = errno;
  return number != 0 ? std::error_code(number, std::generic_category()) : std::make_error_code(std::errc::io_error);
}

std::error_code ReplaceFile(const fs::path& target, bool startFromCopy, const FileFiller& fill) {
  std::error_code error;
  // Links followed; a path that names nothing yet is no error.
  const fs::file_status status = fs::status(target, error);
  if (fs::exists(status) && !fs::is_regular_file(status)) return fill(target);
  if (fs::exists(status)) {
    if (const std::error_code denied = CheckWritable(target)) return denied;
  }
  const bool link = fs::is_symlink(fs::symlink_status(target, error));
  const fs::path resolved = link ? fs::canonical(target, error) : target;
  if (link && error) return error;

  fs::path temporary;
  if (const std::error_code created = CreateTemporary(resolved, temporary)) return created;
  error = FillTemporary(resolved, temporary, startFromCopy, fill);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
  }
  return error;
}
