#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// `"text"`, the way every message names a file or quotes a text.
inline std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.append(1, '"').append(text).append(1, '"');
  return quoted;
}

// "1 byte", "3 bytes".
inline std::string Counted(size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}
