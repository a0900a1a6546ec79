#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "items/named_item.h"

// How items and pockets are named on the command line and in import files.

// The item `text` names (items/named_item.h); a Refused
// with the rule's own words when it names none.
int ParseItem(std::string_view text, ItemNameViews names, ItemNameViews spellings = {});

// A number from 0 to 255, or a pocket's name ("Key", "tm/hm") in any case.
std::optional<int16_t> ParsePocket(std::string_view text);
// What ParsePocket accepts, for messages: "a number from 0 to 255 or one of ...".
std::string PocketChoices();
