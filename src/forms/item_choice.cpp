#include "forms/item_choice.h"

#include "items/item_name_match.h"
#include "rom_io/hex_functions.h"

namespace {

std::string HexByte(int16_t value) { return HexFunctions::ByteToHex(static_cast<uint8_t>(value)); }

}  // namespace

int16_t ChosenItem(int currentEntry, std::string_view text, ItemNameViews names) {
  if (currentEntry >= 0 && static_cast<size_t>(currentEntry) < names.size() &&
      names[static_cast<size_t>(currentEntry)] == text) {
    return static_cast<int16_t>(currentEntry);
  }
  return static_cast<int16_t>(ItemNamed(names, text).value_or(-1));
}

std::string UnknownPocketEntry(int16_t value) { return "(" + HexByte(value) + ")"; }
