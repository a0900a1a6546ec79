#include "items/item_name_list.h"

#include "items/item_table_finder.h"
#include "items/name_list_texts.h"

ItemNameList::ItemNameList() {
  for (size_t item = 0; item < ItemCount; ++item) names_[item] = ItemNames[item];
}

ItemNameList::ItemNameList(const Edition& edition, std::span<const uint8_t> rom)
    : ItemNameList(edition, rom, FindItemNameList(rom)) {}

ItemNameList::ItemNameList(const Edition& edition, std::span<const uint8_t> rom, std::optional<int64_t> listOffset)
    : ItemNameList() {
  const auto& clean = *edition.texts.cleanItemNames;
  for (size_t i = 0; i < clean.size(); ++i) spellings_[i + 1] = clean[i];
  if (!listOffset) return;
  const auto romNames = DecodeItemNames(rom, *listOffset);
  if (!romNames) return;
  for (size_t i = 0; i < romNames->size(); ++i) {
    if ((*romNames)[i] != clean[i]) names_[i + 1] = (*romNames)[i];
    spellings_[i + 1] = (*romNames)[i];
  }
}

std::vector<std::string_view> ItemNameList::Views() const { return {names_.begin(), names_.end()}; }

std::vector<std::string_view> ItemNameList::Spellings() const { return {spellings_.begin(), spellings_.end()}; }
