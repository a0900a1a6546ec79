#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "items/edition_table.h"
#include "items/item_names.h"

// The names of one ROM's items, index 0 to 255 by item number: the
// built-in names, except where the ROM's own name list spells a slot
// otherwise than the clean game does (a ROM hack that renamed the item).
// There the ROM's name stands as the ROM spells it. The ROM's own spelling
// of every name is kept beside them, so that "POKé DOLL" and "TM01" name
// their items as well as "pokeDoll" and "TM 1" do.
class ItemNameList {
 public:
  // The built-in names alone.
  ItemNameList();
  // The names of `rom`, an image of `edition`; the built-in names when its
  // name list cannot be found or read.
  ItemNameList(const Edition& edition, std::span<const uint8_t> rom);
  // The same, where the list was already found at `listOffset` (or not found).
  ItemNameList(const Edition& edition, std::span<const uint8_t> rom, std::optional<int64_t> listOffset);

  const std::string& operator[](size_t item) const { return names_[item]; }
  // All 256, for matching a text against them.
  std::vector<std::string_view> Views() const;
  // The same entries as the ROM (or, where its list cannot be read, the
  // clean game) spells them; empty texts for the built-in names alone and
  // for entry 0.
  std::vector<std::string_view> Spellings() const;
  bool operator==(const ItemNameList&) const = default;

 private:
  std::array<std::string, ItemCount> names_;
  std::array<std::string, ItemCount> spellings_;
};
