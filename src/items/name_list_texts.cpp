#include "items/name_list_texts.h"

#include <algorithm>

#include "items/item_table_finder.h"
#include "items/text_room.h"

int64_t NameList::Size() const {
  int64_t size = 0;
  for (const GameText& entry : entries) size += static_cast<int64_t>(entry.size()) + 1;
  return size;
}

std::optional<NameList> ReadNameList(std::span<const uint8_t> rom, int64_t offset,
                                     const std::optional<FileSpan>& release) {
  if (offset < 0 || offset >= static_cast<int64_t>(rom.size())) return std::nullopt;
  const auto bankEnd = std::min<int64_t>((offset / BankSize + 1) * BankSize, static_cast<int64_t>(rom.size()));
  const std::span<const uint8_t> bank = rom.subspan(static_cast<size_t>(offset), static_cast<size_t>(bankEnd - offset));
  NameList list{offset, {}};
  size_t at = 0;
  while (list.entries.size() < NameListEntries) {
    const auto rest = bank.subspan(at, std::min<size_t>(bank.size() - at, MaxItemNameBytes + 1));
    const auto end = std::find(rest.begin(), rest.end(), TextEnd);
    if (end == rest.end()) break;
    list.entries.emplace_back(rest.begin(), end);
    at += list.entries.back().size() + 1;
  }
  if (list.entries.size() < LastItem) return std::nullopt;
  if (list.entries.size() == NameListEntries) list.room = TextRoom(rom, {offset, list.Size()}, release).size;
  return list;
}

std::optional<RomItemNames> DecodeItemNames(std::span<const uint8_t> rom, int64_t offset) {
  const auto list = ReadNameList(rom, offset, std::nullopt);  // the names alone, not their room
  if (!list) return std::nullopt;
  RomItemNames names;
  for (size_t i = 0; i < names.size(); ++i) names[i] = DecodeGameText(list->entries[i]);
  return names;
}
