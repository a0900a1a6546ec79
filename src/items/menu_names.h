#pragma once

#include <cstdint>

#include "items/named_values.h"

// The menu actions that each half of the Type byte names, a value from 0
// to F: high half the field menu, low half the battle menu.
const NamedValues& MenuNames();

inline uint8_t FieldMenu(uint8_t type) { return static_cast<uint8_t>(type >> 4); }
inline uint8_t BattleMenu(uint8_t type) { return static_cast<uint8_t>(type & 0x0F); }
inline uint8_t TypeOf(uint8_t fieldMenu, uint8_t battleMenu) {
  return static_cast<uint8_t>((fieldMenu & 0x0F) << 4 | (battleMenu & 0x0F));
}
