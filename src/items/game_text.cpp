#include "items/game_text.h"

#include <algorithm>

#include "items/game_text_table.h"
#include "items/item_table_finder.h"
#include "rom_io/hex_functions.h"

namespace {

constexpr uint8_t NameEnd = 0x50;

const std::array<std::string_view, 256>& TextOfByte() {
  static const std::array<std::string_view, 256> table = [] {
    std::array<std::string_view, 256> text{};
    for (const GameTextCode& code : GameTextTable) text[code.byte] = code.text;
    return text;
  }();
  return table;
}

}  // namespace

std::string DecodeGameText(std::span<const uint8_t> bytes) {
  std::string text;
  for (const uint8_t byte : bytes) {
    const std::string_view known = TextOfByte()[byte];
    text += known.empty() ? "<" + HexFunctions::ByteToHex(byte) + ">" : std::string(known);
  }
  return text;
}

std::optional<RomItemNames> DecodeItemNames(std::span<const uint8_t> rom, int64_t offset) {
  if (offset < 0 || offset >= static_cast<int64_t>(rom.size())) return std::nullopt;
  const auto bankEnd = std::min<int64_t>((offset / BankSize + 1) * BankSize, static_cast<int64_t>(rom.size()));
  const std::span<const uint8_t> bank = rom.subspan(static_cast<size_t>(offset), static_cast<size_t>(bankEnd - offset));
  RomItemNames names;
  size_t at = 0;
  for (std::string& name : names) {
    const auto rest = bank.subspan(at, std::min<size_t>(bank.size() - at, MaxItemNameBytes + 1));
    const auto end = std::find(rest.begin(), rest.end(), NameEnd);
    if (end == rest.end()) return std::nullopt;
    const auto length = static_cast<size_t>(end - rest.begin());
    name = DecodeGameText(rest.first(length));
    at += length + 1;
  }
  return names;
}
