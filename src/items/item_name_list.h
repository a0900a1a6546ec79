#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "items/edition_table.h"
#include "items/item_names.h"

// The names of one ROM's items, index 0 to 255 by item number: the
// built-in names, except where the ROM's own name list spells a slot
// otherwise than the clean game does (a ROM hack that renamed the item).
// There the ROM's name stands as the ROM spells it. Names are only read,
// never written.
class ItemNameList {
 public:
  // The built-in names alone.
  ItemNameList();
  // The names of `rom`, an image of `edition`; the built-in names when its
  // name list cannot be found or read.
  ItemNameList(const Edition& edition, std::span<const uint8_t> rom);

  const std::string& operator[](size_t item) const { return names_[item]; }
  // All 256, for matching a text against them.
  std::vector<std::string_view> Views() const;
  bool operator==(const ItemNameList&) const = default;

 private:
  std::array<std::string, ItemCount> names_;
};
