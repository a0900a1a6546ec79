#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The games' own text, as item names and descriptions use it: one byte of
// the games' text table for a letter or a word, 0x4E between a
// description's two lines and 0x50 after the last character.

inline constexpr uint8_t TextEnd = 0x50;
inline constexpr uint8_t LineBreak = 0x4E;

// A text's bytes as the ROM holds them, without the 0x50 that ends it.
using GameText = std::vector<uint8_t>;

// The text of `bytes`, one entry of the games' text table a byte and a
// newline for 0x4E; a byte with no entry shows as "<XX>" in hex.
std::string DecodeGameText(std::span<const uint8_t> bytes);

// `text` in the games' bytes, as the games' own texts were made: the longest
// match first, the lower byte where two print the same, a newline as 0x4E.
// Typed letters are always written as letters: the word bytes for PC, TM,
// TRAINER and ROCKET and the small PK and MN glyphs are never chosen, as the
// games' item texts never use them. A text that holds them keeps them only
// by being left unchanged.
struct EncodedGameText {
  std::optional<GameText> bytes;
  std::string unknown;  // the first character that has no byte, when `bytes` is empty
};
EncodedGameText EncodeGameText(std::string_view text);

// How many characters `line` shows on the screen: each letter of the words
// that 0x54 and 0x5B-0x5E stand for, one for every other byte (0xE1 and
// 0xE2 print PK and MN in one tile each).
int PrintedWidth(std::span<const uint8_t> line);

// The lines of `text`, parted at 0x4E.
std::vector<std::span<const uint8_t>> TextLines(std::span<const uint8_t> text);
