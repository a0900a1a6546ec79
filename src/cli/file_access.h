#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Whole-file reads and writes for the tool's own inputs and outputs; ROM
// items go through the core. Each throws a CliError (file error) naming the
// file when it cannot do its job.

// The size of a regular file that can be opened for reading.
int64_t ReadableFileSize(const std::string& path);
std::vector<uint8_t> ReadWholeFile(const std::string& path);
std::string ReadTextFile(const std::string& path);
// Creates or replaces `path` with `text`.
void WriteTextFile(const std::string& path, const std::string& text);
// `"path"`, the way every message names a file.
std::string Quoted(const std::string& path);
