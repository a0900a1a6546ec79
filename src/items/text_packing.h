#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "items/description_texts.h"
#include "items/game_text.h"
#include "items/name_list_texts.h"

// The texts laid out again inside their room, each ended by 0x50, the room's
// unused end filled with 0x50. A text that did not change keeps its bytes.
// `needed` may exceed the room, and then nothing else is filled in.

struct PackedNames {
  int64_t needed = 0;
  std::vector<uint8_t> room;
};
// The list's entries with `changed` (by item) in place of theirs.
PackedNames PackNames(const NameList& list, const std::map<int, GameText>& changed);

struct PackedDescriptions {
  int64_t needed = 0;
  std::vector<uint8_t> room;
  std::array<uint16_t, LastItem> addresses{};  // by item - 1
};
// The distinct texts in the order they stand, each changed item's new text
// right after the text it had. Items that share a text keep sharing it,
// except those given a new one; a text no item points at any more is left
// out.
PackedDescriptions PackDescriptions(const DescriptionTexts& found, const std::map<int, GameText>& changed);
