#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "items/named_values.h"

// The held effects (the Effect byte) by name, the same in every edition.
const NamedValues& HeldEffectNames();

// "Berry (HELD_BERRY)", or "(5A)" for a byte that no effect has.
std::string HeldEffectText(uint8_t effect);
// The clean games' items with the effect and their Var. bytes, as
// "BERRY (10), BERRY JUICE (20)"; empty when no item holds it.
std::string_view HeldBy(uint8_t effect);

// What the Var. byte means to an item whose Effect byte is `effect`: "restores
// 10 HP", or that the game does not read it for that effect.
std::string ParameterMeaning(uint8_t effect, uint8_t parameter);
