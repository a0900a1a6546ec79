#pragma once

#include <cstdint>

// A run of bytes in the file.
struct FileSpan {
  int64_t offset = 0, size = 0;

  int64_t End() const { return offset + size; }
  bool Overlaps(const FileSpan& other) const { return offset < other.End() && other.offset < End(); }
  friend bool operator==(const FileSpan&, const FileSpan&) = default;
};
