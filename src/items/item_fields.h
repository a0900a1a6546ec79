#pragma once

#include <cstdint>
#include <string>

// The seven values of one item as the window holds them, named after the
// controls that show them. Pocket is the pocket list's index (-1: none).
struct ItemFields {
  std::string Price;
  std::string Effect;
  std::string Variable;
  std::string Options;
  int16_t Pocket = -1;
  std::string How;
  std::string ASM;

  friend bool operator==(const ItemFields&, const ItemFields&) = default;
};

// The most characters a field's text can usefully hold: "-32768", two hex
// digits for a byte, four for the pointer. Text boxes take no more, so a
// paste cannot hide a long value behind a short box.
inline constexpr int PriceMaxChars = 6;
inline constexpr int ByteMaxChars = 2;
inline constexpr int AsmMaxChars = 4;
