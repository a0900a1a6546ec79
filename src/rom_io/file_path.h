#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

// Paths travel through the program as UTF-8 text. The file system gets them
// as std::filesystem::path built from UTF-8, so that on Windows they reach
// the wide file API intact whatever the code page; elsewhere the bytes pass
// as they are.

// The path that UTF-8 text names. Text that is not UTF-8 where the system
// needs it to be names no file: an empty path.
std::filesystem::path FilePath(const std::string& utf8);

// A path as UTF-8 text, the inverse of FilePath.
std::string Utf8Text(const std::filesystem::path& path);

// std::fopen for a path, or for UTF-8 text naming one; errno says why it
// failed.
std::FILE* OpenCFile(const std::filesystem::path& path, const char* mode);
std::FILE* OpenCFile(const std::string& utf8, const char* mode);

// Closes the file when it goes out of scope.
struct CFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using CFileHandle = std::unique_ptr<std::FILE, CFileCloser>;

// Creates `path` as a new, empty file, but only if no file has that name:
// nothing is ever overwritten. Uses the system's own exclusive create, as
// not every C runtime knows fopen's "x". False with errno set on failure
// (EEXIST when the name is taken).
bool CreateNewFile(const std::filesystem::path& path);

// Makes what was written to `file` reach the disk; false, with errno set,
// when it cannot.
bool SyncCFile(std::FILE* file);

// Copies `from` over the file `to`, which exists, and renames `from` over
// `to`, each in one step. The standard library's forms of both refuse an
// existing target on Windows.
void CopyOver(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& error);
void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& error);
