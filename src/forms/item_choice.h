#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "items/item_name_match.h"

// How the item and pocket lists of both front ends read and show their
// entries. Names repeat in the item list, so a name alone does not always
// tell which entry is meant.

// The item a chooser of `names` means: the entry it shows, while its text
// still is that entry's name; otherwise the entry the text names (items/item_name_match.h);
// otherwise -1.
int16_t ChosenItem(int currentEntry, std::string_view text, ItemNameViews names);

// The entry that stands for a pocket byte past the list's five: the byte
// itself, "(A5)", which fits the narrow list.
std::string UnknownPocketEntry(int16_t value);
