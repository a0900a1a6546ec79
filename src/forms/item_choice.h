#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How the item and pocket lists of both front ends read and show their
// entries. Names repeat in the item list, so a name alone does not always
// tell which entry is meant.

// The item a chooser means: the entry it shows, while its text still is that
// entry's name; otherwise the first entry named like the text, in any case;
// otherwise -1.
int16_t ChosenItem(int currentEntry, std::string_view text);

// The items whose names hold `typed` anywhere, in any case, in list order;
// what the item list offers while the user types.
std::vector<int> ItemsContaining(std::string_view typed);

// The entry that stands for a pocket byte past the list's five: the byte
// itself, "(A5)", which fits the narrow list.
std::string UnknownPocketEntry(int16_t value);
