#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "items/item_name_match.h"

// What a typed text names, by the one rule of every front end: the tool's
// ITEM argument and both windows' item choosers.

struct NamedItem {
  std::optional<int> item;  // 1 to 255
  std::string problem;      // why the text names no item, in the user's words
};

// A number from 1 to 255, or an item's name in any case and with or without
// accents, as Kestrune's list or the ROM (`spellings`, when given) spells
// it; the beginning of a name is enough when it fits one item. A name that
// stands at several items is refused with their numbers, an ambiguous
// beginning with the names it fits.
NamedItem ItemNamedBy(std::string_view text, ItemNameViews names, ItemNameViews spellings = {});

// A plain decimal number from `low` to `high`: digits only, no sign or blanks.
std::optional<int> ParseDecimal(std::string_view text, int low, int high);
