#include "items/item_table_finder.h"

#include "items/code_pattern.h"
#include "items/edition_table.h"

namespace {

constexpr int32_t NameListEntry = 3 * 3;

struct FoundTable {
  std::optional<int32_t> offset;
  TableMiss miss = TableMiss::None;
};

FoundTable TableAt(std::span<const uint8_t> rom, std::optional<int64_t> offset, int64_t size) {
  if (!offset || !FitsInOneBank(rom, *offset, size)) return {std::nullopt, TableMiss::CodeChanged};
  return {static_cast<int32_t>(*offset), TableMiss::None};
}

// The table that the one occurrence of `code` leads to, through `offsetOf`.
template <typename OffsetOf>
FoundTable FindTable(std::span<const uint8_t> rom, const CodePattern& code, int64_t size, OffsetOf offsetOf) {
  const CodePattern::Occurrences found = code.Search(rom);
  if (found.count == 0) return {std::nullopt, TableMiss::CodeChanged};
  if (found.count > 1) return {std::nullopt, TableMiss::CodeRepeated};
  return TableAt(rom, offsetOf(found.first), size);
}

FoundTable FindAttributeTable(std::span<const uint8_t> rom) {
  static const CodePattern code(ItemAttributeCode);
  return FindTable(rom, code, int64_t{LastItem} * ItemRecordSize,
                   [&](size_t at) { return FileOffsetOf(code.Bank(rom, at), code.Address(rom, at)); });
}

FoundTable FindPointerTable(std::span<const uint8_t> rom) {
  static const CodePattern code(ItemUseCode);
  return FindTable(rom, code, int64_t{LastItemWithAsm} * AsmEntrySize, [&](size_t at) {
    const auto bank = static_cast<int>(static_cast<int64_t>(at) / BankSize);
    return FileOffsetOf(bank, code.Address(rom, at));
  });
}

}  // namespace

bool FitsInOneBank(std::span<const uint8_t> rom, int64_t offset, int64_t size) {
  const int64_t end = offset + size;
  return offset >= 0 && end <= static_cast<int64_t>(rom.size()) && offset / BankSize == (end - 1) / BankSize;
}

std::optional<int64_t> FileOffsetOf(int bank, uint16_t address) {
  if (address < BankSize) return address;
  if (address >= 2 * BankSize || bank < 1) return std::nullopt;
  return bank * BankSize + (address - BankSize);
}

ItemTables FindItemTables(std::span<const uint8_t> rom) {
  if (static_cast<int64_t>(rom.size()) > LargestRomSize) return {};
  const FoundTable items = FindAttributeTable(rom), pointers = FindPointerTable(rom);
  return {items.offset, pointers.offset, items.miss, pointers.miss};
}

std::optional<int64_t> FindItemNameList(std::span<const uint8_t> rom) {
  static const CodePattern code(NameListCode);
  if (static_cast<int64_t>(rom.size()) > LargestRomSize) return std::nullopt;
  const auto at = code.FindOnce(rom);
  if (!at) return std::nullopt;
  const auto lists = FileOffsetOf(0, code.Address(rom, *at));
  if (!lists || !FitsInOneBank(rom, *lists + NameListEntry, 3)) return std::nullopt;
  const auto entry = static_cast<size_t>(*lists + NameListEntry);
  const auto address = static_cast<uint16_t>(rom[entry + 1] | rom[entry + 2] << 8);
  const auto names = FileOffsetOf(rom[entry], address);
  if (!names || *names >= static_cast<int64_t>(rom.size())) return std::nullopt;
  return names;
}
