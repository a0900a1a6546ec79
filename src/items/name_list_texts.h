#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "items/edition_table.h"
#include "items/file_span.h"
#include "items/game_text.h"

// The item names as the ROM holds them: packed one after another, each
// ended by 0x50, items 1 to 255 and then one more entry ("?") that the games
// keep after the last item. Nothing points into the list but its start, so
// its room runs from its first byte to the 0x50 that ends the 256th entry,
// or to the end of the release's room (TextRoom).
inline constexpr int NameListEntries = LastItem + 1;
// A name is at most 12 bytes: the games copy it into a 13-byte buffer.
inline constexpr int MaxItemNameBytes = 12;

struct NameList {
  int64_t offset = 0;
  // The 255 names, item 1 first, and the 256th entry when it too ends within
  // 12 bytes and the list's bank: only then is the room known.
  std::vector<GameText> entries;
  // The bytes the list may take, 0 while they are not known.
  int64_t room = 0;

  bool HasRoom() const { return room > 0; }
  FileSpan Room() const { return {offset, room}; }
  // Bytes from the first name to the end of the last entry, 0x50s included.
  int64_t Size() const;
};

// The list from `offset` on; nothing when its 255 names do not all end
// within 12 bytes, inside the file and inside the bank the list starts in.
// `release` is the release's room for the names, where the edition is known.
std::optional<NameList> ReadNameList(std::span<const uint8_t> rom, int64_t offset,
                                     const std::optional<FileSpan>& release);

using RomItemNames = std::array<std::string, LastItem>;
// The 255 names of the list at `offset`, as text.
std::optional<RomItemNames> DecodeItemNames(std::span<const uint8_t> rom, int64_t offset);
