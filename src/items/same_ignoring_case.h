#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

// Whether two texts are the same but for the case of their ASCII letters:
// how column names and pocket names are matched.
inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}
