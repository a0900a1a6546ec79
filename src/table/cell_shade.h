#pragma once

#include <cstdint>
#include <optional>

#include "table/item_table.h"

struct CellShade {
  uint8_t red, green, blue;
};

// The background of a cell that differs from the file, the same in both
// windows. Refused cells stand out most: their text cannot be saved.
constexpr std::optional<CellShade> ShadeOf(ItemTable::CellState state) {
  switch (state) {
    case ItemTable::CellState::Changed:
      return CellShade{0xFF, 0xF3, 0xC4};
    case ItemTable::CellState::Refused:
      return CellShade{0xF8, 0xD0, 0xD0};
    case ItemTable::CellState::Unchanged:
      break;
  }
  return std::nullopt;
}
