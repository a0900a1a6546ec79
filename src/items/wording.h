#pragma once

#include <cassert>
#include <cctype>
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

// "the title is not …" as a sentence of its own.
inline std::string Sentence(std::string clause) {
  assert(!clause.empty());
  clause.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(clause.front())));
  return clause + ".";
}

// A text the user gave or the ROM holds, quoted as Quoted does, but one of
// more than 40 characters cut to its first 39 and "…": a message box grows
// as wide as its longest line, and the reason after the text must stay in
// view. Characters are counted in UTF-8, and none is cut through. Paths
// stay whole, through Quoted.
inline std::string QuotedText(std::string_view text) {
  constexpr size_t kLongest = 40;
  size_t characters = 0, cut = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    // Every byte but a continuation byte starts a character.
    if ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) continue;
    if (characters == kLongest - 1) cut = at;
    if (++characters > kLongest) {
      // Built in place, as Quoted is: GCC 12 warns of a false overlap in `+`.
      std::string quoted;
      quoted.append(1, '"').append(text.substr(0, cut)).append("…\"");
      return quoted;
    }
  }
  return Quoted(text);
}

// Spreadsheets save in the system's code page unless told otherwise.
inline const std::string SaveAsUtf8 =
    "Save the file as UTF-8 (in a spreadsheet, as \"CSV UTF-8\") and import it again.";

// "1 byte", "3 bytes".
inline std::string Counted(size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}
