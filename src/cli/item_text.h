#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "items/item_fields.h"

// An item as the window shows it, with what its bytes mean to the games and
// warnings for values the games do not define.

// The Use byte's flags: "can't select, can't toss", or "no flags".
std::string PropertyMeaning(uint8_t property);
// The Type byte's halves: "field menu 4 (current), battle menu 0 (no use)".
std::string MenuMeaning(uint8_t menu);
// "Item (1)", or "5 (no pocket)" past the pocket list.
std::string PocketText(int pocket);
std::vector<std::string> Warnings(uint8_t property, int pocket, uint8_t menu);

// The seven fields under their captions, the meanings and any warnings.
std::string FormatItem(int item, const ItemFields& fields);
