#include "forms/item_choice.h"

#include "items/item_name_match.h"
#include "rom_io/hex_functions.h"

namespace {

std::string HexByte(int16_t value) { return HexFunctions::ByteToHex(static_cast<uint8_t>(value)); }

}  // namespace

NamedItem ChosenItem(int currentEntry, std::string_view text, const ItemNameList& names) {
  if (currentEntry >= 0 && static_cast<size_t>(currentEntry) < ItemCount &&
      names[static_cast<size_t>(currentEntry)] == text) {
    return {currentEntry, {}};
  }
  if (text.empty()) return {};
  return ItemNamedBy(text, names.Views(), names.Spellings());
}

RomItemEditor::LoadResult LoadChosenItem(RomItemEditor& rom, int currentEntry, std::string_view text) {
  const NamedItem chosen = ChosenItem(currentEntry, text, rom.Names());
  RomItemEditor::LoadResult result = rom.LoadItem(static_cast<int16_t>(chosen.item.value_or(-1)));
  if (!chosen.item && !chosen.problem.empty()) result.message = chosen.problem;
  return result;
}

std::string UnknownPocketEntry(int16_t value) { return "(" + HexByte(value) + ")"; }
