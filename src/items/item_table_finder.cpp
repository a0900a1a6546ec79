#include "items/item_table_finder.h"

#include "items/code_pattern.h"
#include "items/edition_table.h"

namespace {

constexpr int32_t NameListEntry = 3 * 3;

std::optional<int32_t> TableAt(std::span<const uint8_t> rom, std::optional<int64_t> offset, int64_t size) {
  if (!offset || !FitsInOneBank(rom, *offset, size)) return std::nullopt;
  return static_cast<int32_t>(*offset);
}

std::optional<int32_t> FindAttributeTable(std::span<const uint8_t> rom) {
  static const CodePattern code(ItemAttributeCode);
  const auto at = code.FindOnce(rom);
  if (!at) return std::nullopt;
  return TableAt(rom, FileOffsetOf(code.Bank(rom, *at), code.Address(rom, *at)), int64_t{LastItem} * ItemRecordSize);
}

std::optional<int32_t> FindPointerTable(std::span<const uint8_t> rom) {
  static const CodePattern code(ItemUseCode);
  const auto at = code.FindOnce(rom);
  if (!at) return std::nullopt;
  const auto bank = static_cast<int>(static_cast<int64_t>(*at) / BankSize);
  return TableAt(rom, FileOffsetOf(bank, code.Address(rom, *at)), int64_t{LastItemWithAsm} * AsmEntrySize);
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
  return {FindAttributeTable(rom), FindPointerTable(rom)};
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
