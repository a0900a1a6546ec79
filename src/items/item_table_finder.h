#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "rom_io/rom_header.h"

// Where a ROM keeps its item tables and item names, found through the games'
// own code that reads them. A ROM hack built from the games' source keeps
// that code but may move the tables, and the code then holds their new
// addresses. Each run of code must occur exactly once and lead to a whole
// table inside the file and inside one bank; otherwise the table is not
// found, and no fixed offset stands in for it.

// The routine that reads one attribute of the current item: the table's
// address, and its bank in the second "ld a".
inline constexpr std::string_view ItemAttributeCode =
    "E5 C5 21 LL HH 4F 06 00 09 AF EA .. .. FA .. .. 3D 4F 3E 07 CD .. .. 3E BB CD";
// The end of the routine that runs an item's effect: a jump table read in
// the bank of the code itself.
inline constexpr std::string_view ItemUseCode = "3E 01 EA .. .. FA .. .. 3D 21 LL HH EF C9";
// The routine that finds a name list in bank 0: a table of 3-byte entries
// (bank, then address), whose fourth entry is the item names'.
inline constexpr std::string_view NameListCode = "3D 5F 16 00 21 LL HH 19 19 19 2A D7 2A 66 6F";

inline constexpr int64_t BankSize = 0x4000;

// Why a table was not found: its code is not there as the games have it, or
// it leads outside the file or a bank; or a hack kept an old copy of the code
// beside the new one, and which copy the game runs cannot be told.
enum class TableMiss { None, CodeChanged, CodeRepeated };

struct ItemTables {
  std::optional<int32_t> items;     // file offset of item 1's record
  std::optional<int32_t> pointers;  // file offset of item 1's item-use pointer
  // Why each table is missing; None for one that was found.
  TableMiss itemsMiss = TableMiss::CodeChanged, pointersMiss = TableMiss::CodeChanged;

  bool Found() const { return items && pointers; }
  bool operator==(const ItemTables&) const = default;
};

ItemTables FindItemTables(std::span<const uint8_t> rom);

// The file offset of item 1's name, when the code leads into the file.
std::optional<int64_t> FindItemNameList(std::span<const uint8_t> rom);

// Whether `size` bytes from `offset` lie inside the file and inside one bank,
// as the game reads them with one bank switched in.
bool FitsInOneBank(std::span<const uint8_t> rom, int64_t offset, int64_t size);

// The file offset of `address` as code running with `bank` switched in sees
// it: bank 0 below 0x4000, the switched bank from 0x4000 to 0x7FFF. Nothing
// for an address outside the cartridge's space.
std::optional<int64_t> FileOffsetOf(int bank, uint16_t address);
// The address at which the game reads the file offset `offset`, with its
// bank switched in.
constexpr uint16_t BankAddress(int64_t offset) {
  return static_cast<uint16_t>(offset < BankSize ? offset : BankSize + offset % BankSize);
}
