#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "items/item_name_match.h"

// How items and pockets are named on the command line and in import files.

// A number from 1 to 255, or an item's name in any case and with or without
// accents; the beginning of a name is enough when it fits one item. Throws a
// CliError (invalid input) for anything else: a name that stands at several
// items is refused with their numbers, an ambiguous beginning with the names
// it fits.
int ParseItem(std::string_view text, ItemNameViews names);

// A number from 0 to 255, or a pocket's name ("Key", "tm/hm") in any case.
std::optional<int16_t> ParsePocket(std::string_view text);
// What ParsePocket accepts, for messages: "a number from 0 to 255 or one of ...".
std::string PocketChoices();

// A plain decimal number from `low` to `high`: digits only, no sign or blanks.
std::optional<int> ParseDecimal(std::string_view text, int low, int high);
