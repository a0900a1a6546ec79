#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What an item's Use, Type and pocket bytes mean to the games, and warnings
// for values the games do not define.

// The Use byte's flags: "can't select, can't toss", or "no flags".
std::string UseMeaning(uint8_t use);
// The Type byte's halves: "field menu 4 (current), battle menu 0 (no use)".
std::string TypeMeaning(uint8_t type);
// "Item (1)", or "5 (no pocket)" past the pocket list.
std::string PocketText(int pocket);

std::vector<std::string> UseWarnings(uint8_t use);
std::vector<std::string> PocketWarnings(int pocket);
std::vector<std::string> TypeWarnings(uint8_t type);
// All three, Use first.
std::vector<std::string> ItemWarnings(uint8_t use, int pocket, uint8_t type);

// What Save would store for a field's text, one line with the stored byte
// and its meaning ("40: can't select"), then one line per warning. Text that
// Save would refuse gets Save's own message instead.
std::string DescribeUse(std::string_view text);
std::string DescribeType(std::string_view text);
// The pocket list's index; -1 (nothing chosen) stores FF.
std::string DescribePocket(int16_t index);
