#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <system_error>

// File-level facts and the single-byte write under the hex routines. Only
// regular files count: a FIFO, a device or a directory is never opened, so
// nothing here can block or create a file.

// The size of the regular file at `path` (links followed), or nothing when
// the path names no regular file.
std::optional<int64_t> RegularFileSize(const std::string& path);

// Whether the regular file at `path` can be opened for reading and writing.
bool OpensForWriting(const std::string& path);

// Why the file at `path` cannot be opened for reading, or for reading and
// writing: the operating system's reason, or "Not a regular file" for a
// folder, a FIFO or a device. No error when it can.
std::error_code ReadProblem(const std::string& path);
std::error_code WriteProblem(const std::string& path);

// Writes one byte in place with its own open and close. Fails, touching
// nothing, when the offset lies outside the file or the file cannot be
// opened for writing. Returns whether the byte reached the file.
bool WriteOneByte(const std::string& path, int64_t offset, uint8_t value);

// Replaces the byte writer, so that tests can simulate a disk that refuses a
// write part-way. An empty function restores the real writer.
using ByteWriter = std::function<bool(const std::string& path, int64_t offset, uint8_t value)>;
void SetByteWriterForTesting(ByteWriter writer);

// Writes through the real file system, whatever the test seam holds.
bool WriteOneByteToDisk(const std::string& path, int64_t offset, uint8_t value);
