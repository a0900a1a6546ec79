#pragma once

#include <cstdint>
#include <string>

// The seven values of one item as the window holds them, named after the
// controls that show them. Pocket is the pocket list's index (-1: none).
struct ItemFields {
  std::string Price;
  std::string Effect;
  std::string Variable;
  std::string Options;
  int16_t Pocket = -1;
  std::string How;
  std::string ASM;

  friend bool operator==(const ItemFields&, const ItemFields&) = default;
};
