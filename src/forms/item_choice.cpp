#include "forms/item_choice.h"

#include <algorithm>

#include "items/item_names.h"
#include "rom_io/hex_functions.h"

namespace {

// Only ASCII letters fold; the names' other letters are compared as they are.
char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameLetters(char a, char b) { return Folded(a) == Folded(b); }

bool EqualInAnyCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameLetters);
}

bool ContainsInAnyCase(std::string_view text, std::string_view part) {
  return std::search(text.begin(), text.end(), part.begin(), part.end(), SameLetters) != text.end();
}

std::string HexByte(int16_t value) { return HexFunctions::ByteToHex(static_cast<uint8_t>(value)); }

}  // namespace

int16_t ChosenItem(int currentEntry, std::string_view text) {
  if (currentEntry >= 0 && static_cast<size_t>(currentEntry) < ItemCount &&
      ItemNames[static_cast<size_t>(currentEntry)] == text) {
    return static_cast<int16_t>(currentEntry);
  }
  const auto found = std::find_if(ItemNames.begin(), ItemNames.end(),
                                  [&](std::string_view name) { return EqualInAnyCase(name, text); });
  return found == ItemNames.end() ? int16_t{-1} : static_cast<int16_t>(found - ItemNames.begin());
}

std::vector<int> ItemsContaining(std::string_view typed) {
  std::vector<int> items;
  for (size_t i = 0; i < ItemCount; ++i) {
    if (ContainsInAnyCase(ItemNames[i], typed)) items.push_back(static_cast<int>(i));
  }
  return items;
}

std::string UnknownPocketEntry(int16_t value) { return "(" + HexByte(value) + ")"; }
