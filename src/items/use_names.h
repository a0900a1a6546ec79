#pragma once

#include <cstdint>

#include "items/named_values.h"

// The Use byte's two flags by name: NO_LIMITS, CANT_SELECT, CANT_TOSS and
// both together, "CANT_SELECT | CANT_TOSS". A byte with any of bits 0 to 5
// set has no name.
const NamedValues& UseNames();

// The part of the Use byte that the games read.
inline constexpr uint8_t UseFlagBits = 0xC0;
