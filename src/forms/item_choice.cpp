#include "forms/item_choice.h"

#include "items/item_name_match.h"

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
