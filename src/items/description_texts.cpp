#include "items/description_texts.h"

#include <algorithm>
#include <cassert>
#include <map>

#include "items/code_pattern.h"
#include "items/item_table_finder.h"
#include "items/text_room.h"

namespace {

using Problem = DescriptionRoomProblem;

constexpr int64_t AddressSize = 2;

struct Routine {
  Problem problem = Problem::CodeNotFound;
  FileSpan code;
  uint16_t table = 0;
  int bank = 0;
};

// Exactly one occurrence of one of the two forms.
Routine FindRoutine(std::span<const uint8_t> rom) {
  static const CodePattern goldSilver(GoldSilverDescriptionCode);
  static const CodePattern crystal(CrystalDescriptionCode);
  const CodePattern::Occurrences a = goldSilver.Search(rom);
  const CodePattern::Occurrences b = crystal.Search(rom);
  if (a.count + b.count > 1) return {Problem::CodeRepeated, {}, 0, 0};
  if (a.count == 1) {
    const auto at = static_cast<int64_t>(a.first);
    return {Problem::None,
            {at, static_cast<int64_t>(goldSilver.Size())},
            goldSilver.Address(rom, a.first),
            goldSilver.Bank(rom, a.first)};
  }
  if (b.count == 1) {
    const auto at = static_cast<int64_t>(b.first);
    return {Problem::None,
            {at, static_cast<int64_t>(crystal.Size())},
            crystal.Address(rom, b.first),
            static_cast<int>(at / BankSize)};
  }
  return {};
}

// The text from `offset` to its 0x50, which must lie in the same bank.
std::optional<GameText> ReadText(std::span<const uint8_t> rom, std::optional<int64_t> offset) {
  if (!offset || *offset >= static_cast<int64_t>(rom.size())) return std::nullopt;
  const int64_t end = std::min<int64_t>((*offset / BankSize + 1) * BankSize, static_cast<int64_t>(rom.size()));
  const auto first = rom.begin() + *offset, last = rom.begin() + end;
  const auto stop = std::find(first, last, TextEnd);
  if (stop == last) return std::nullopt;
  return GameText(first, stop);
}

// Whether every text lies in the routine's bank, each starting where the
// one before it ended; their room, when they do.
Problem ProveRoom(std::span<const uint8_t> rom, DescriptionTexts& found, const std::optional<FileSpan>& release) {
  if (found.bank < 1) return Problem::TextOutsideBank;
  int64_t next = 0;
  for (const DescriptionTexts::Text& text : found.texts) {
    if (text.address < BankSize || !text.bytes) return Problem::TextOutsideBank;
    const int64_t offset = *FileOffsetOf(found.bank, text.address);
    if (&text != &found.texts.front() && offset != next) return Problem::TextsApart;
    next = offset + static_cast<int64_t>(text.bytes->size()) + 1;
  }
  const int64_t start = *FileOffsetOf(found.bank, found.texts.front().address);
  found.room = TextRoom(rom, {start, next - start}, release);
  return Problem::None;
}

}  // namespace

const std::optional<GameText>& DescriptionTexts::Of(int item) const {
  assert(HasDescription(item) && Readable());
  return texts[textOf[static_cast<size_t>(item - 1)]].bytes;
}

DescriptionTexts FindDescriptions(std::span<const uint8_t> rom, std::optional<FileSpan> names,
                                  const std::optional<FileSpan>& release) {
  DescriptionTexts found;
  const Routine routine = FindRoutine(rom);
  found.problem = routine.problem;
  if (routine.problem != Problem::None) return found;
  found.code = routine.code;
  found.bank = routine.bank;
  const auto table = FileOffsetOf(routine.bank, routine.table);
  if (!table || !FitsInOneBank(rom, *table, LastItem * AddressSize)) {
    found.problem = Problem::TableOutside;
    return found;
  }
  found.table = {*table, LastItem * AddressSize};

  std::map<uint16_t, size_t> textAt;
  std::array<uint16_t, LastItem> addresses{};
  for (size_t i = 0; i < addresses.size(); ++i) {
    const auto at = static_cast<size_t>(*table) + i * AddressSize;
    addresses[i] = static_cast<uint16_t>(rom[at] | rom[at + 1] << 8);
    textAt.emplace(addresses[i], 0);
  }
  for (auto& [address, index] : textAt) {
    index = found.texts.size();
    found.texts.push_back({address, ReadText(rom, FileOffsetOf(routine.bank, address))});
  }
  for (size_t i = 0; i < addresses.size(); ++i) found.textOf[i] = textAt[addresses[i]];

  found.problem = ProveRoom(rom, found, release);
  const bool overlaps =
      found.room.Overlaps(found.code) || found.room.Overlaps(found.table) || (names && found.room.Overlaps(*names));
  if (found.problem == Problem::None && overlaps) found.problem = Problem::RoomOverlaps;
  return found;
}
