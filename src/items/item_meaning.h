#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "items/routine_names.h"

// What an item's Use, Type and pocket bytes mean to the games, and warnings
// for values the games do not define.

// The Use byte's flags: "Can't select, can't toss (CANT_SELECT | CANT_TOSS)",
// or "None (NO_LIMITS)"; bits 0 to 5 are not read.
std::string UseMeaning(uint8_t use);
// The Type byte's halves: "field menu 4 (Current, ITEMMENU_CURRENT), battle
// menu 0 (No use, ITEMMENU_NOUSE)".
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
// "01: Berry (HELD_BERRY)".
std::string DescribeEffect(std::string_view text);
// What Var. means for the held effect that `effectText` stores: "0A:
// restores 10 HP".
std::string DescribeVariable(std::string_view effectText, std::string_view text);
// "2669: PokeBallEffect", where `routines` name the pointer.
std::string DescribeAsm(std::string_view text, const RoutineNames& routines);
std::string DescribeType(std::string_view text);
// The pocket list's index; -1 (nothing chosen) stores FF.
std::string DescribePocket(int16_t index);
