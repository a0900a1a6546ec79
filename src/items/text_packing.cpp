#include "items/text_packing.h"

#include <cassert>

#include "items/item_table_finder.h"

namespace {

void Append(std::vector<uint8_t>& room, const GameText& text) {
  room.insert(room.end(), text.begin(), text.end());
  room.push_back(TextEnd);
}

// Fills the room's unused end, or empties it when the texts do not fit.
void Finish(std::vector<uint8_t>& room, int64_t& needed, int64_t size) {
  needed = static_cast<int64_t>(room.size());
  if (needed > size) {
    room.clear();
  } else {
    room.resize(static_cast<size_t>(size), TextEnd);
  }
}

}  // namespace

PackedNames PackNames(const NameList& list, const std::map<int, GameText>& changed) {
  assert(list.HasRoom());
  PackedNames packed;
  for (size_t i = 0; i < list.entries.size(); ++i) {
    const auto item = changed.find(static_cast<int>(i + 1));
    Append(packed.room, item == changed.end() ? list.entries[i] : item->second);
  }
  Finish(packed.room, packed.needed, list.room);
  return packed;
}

PackedDescriptions PackDescriptions(const DescriptionTexts& found, const std::map<int, GameText>& changed) {
  assert(found.Writable());
  PackedDescriptions packed;
  std::vector<bool> kept(found.texts.size(), false);
  for (size_t i = 0; i < found.textOf.size(); ++i) {
    if (!changed.count(static_cast<int>(i + 1))) kept[found.textOf[i]] = true;
  }
  const auto here = [&] { return BankAddress(found.room.offset + static_cast<int64_t>(packed.room.size())); };
  std::vector<uint16_t> keptAt(found.texts.size());
  for (size_t text = 0; text < found.texts.size(); ++text) {
    if (kept[text]) {
      keptAt[text] = here();
      Append(packed.room, *found.texts[text].bytes);
    }
    for (const auto& [item, bytes] : changed) {
      if (found.textOf[static_cast<size_t>(item - 1)] != text) continue;
      packed.addresses[static_cast<size_t>(item - 1)] = here();
      Append(packed.room, bytes);
    }
  }
  for (size_t i = 0; i < found.textOf.size(); ++i) {
    if (!changed.count(static_cast<int>(i + 1))) packed.addresses[i] = keptAt[found.textOf[i]];
  }
  Finish(packed.room, packed.needed, found.room.size);
  return packed;
}
