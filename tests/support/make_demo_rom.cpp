// Writes demo.gbc: a 2 MiB image with the Gold edition byte and game code
// whose item tables hold made-up sample values, so that the editor can be
// tried without a ROM at hand. Nothing in it comes from a real game.
#include <array>
#include <cstdint>
#include <iostream>
#include <string_view>

#include "items/edition_table.h"
#include "items/item_names.h"
#include "rom_builder.h"
#include "rom_io/rom_header.h"
#include "rom_io/stadium_checksums.h"

namespace {

enum Pocket : uint8_t { NoPocket = 0, ItemPocket = 1, KeyPocket = 2, BallPocket = 3, MachinePocket = 4 };

constexpr std::array<std::string_view, 12> KeyItems{"Bicycle",  "Coin Case",    "Item Finder", "Old Rod",
                                                    "Good Rod", "Super Rod",    "Card Key",    "Machine Part",
                                                    "Pass",     "Basement key", "Lost Item",   "Squirt Bottle"};

bool IsKeyItem(std::string_view name) {
  for (std::string_view key : KeyItems) {
    if (key == name) return true;
  }
  return false;
}

bool IsUnused(std::string_view name) { return name == "Teru-Sama" || name == "Duplicate" || name == "Nothing"; }

Pocket SamplePocket(std::string_view name) {
  if (IsUnused(name)) return NoPocket;
  if (IsKeyItem(name)) return KeyPocket;
  if (name.starts_with("TM ") || name.starts_with("HM ")) return MachinePocket;
  if (name.find("Ball") != std::string_view::npos) return BallPocket;
  return ItemPocket;
}

uint16_t SamplePrice(int item, Pocket pocket) {
  switch (pocket) {
    case ItemPocket:
      return static_cast<uint16_t>(100 * (1 + item * 37 % 30));
    case BallPocket:
      return static_cast<uint16_t>(200 + 100 * (item % 6));
    case MachinePocket:
      return static_cast<uint16_t>(1000 + 500 * (item % 5));
    default:
      return 0;
  }
}

std::array<uint8_t, 7> SampleRecord(int item) {
  const std::string_view name = ItemNames[static_cast<std::size_t>(item)];
  const Pocket pocket = SamplePocket(name);
  const uint16_t price = SamplePrice(item, pocket);
  const auto effect = static_cast<uint8_t>(pocket == ItemPocket && item % 4 == 0 ? item % 0x40 : 0);
  const auto variable = static_cast<uint8_t>(pocket == ItemPocket ? item * 7 % 0x64 : 0);
  const auto options = static_cast<uint8_t>(pocket == KeyPocket ? 0x80 : pocket == NoPocket ? 0 : 0x40);
  const auto how = static_cast<uint8_t>(pocket == NoPocket ? 0 : 1 + item % 4);
  // Prices are stored low byte first.
  return {static_cast<uint8_t>(price & 0xFF), static_cast<uint8_t>(price >> 8), effect, variable, options, pocket, how};
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: make_demo_rom OUTPUT\n";
    return 2;
  }
  const Edition& gold = EditionTable[0];
  RomBuilder rom(RomBuilder::TwoMiB, 2026);
  rom.WithEdition(gold);
  // A readable header title around the edition byte, the title's ninth
  // character; the rest of the title field is padding.
  constexpr std::string_view title = "KESTRUNE";
  for (std::size_t i = 0; i < title.size(); ++i) rom.WithByte(0x134 + i, static_cast<uint8_t>(title[i]));
  rom.WithByte(EditionByteOffset + 1, 0).WithByte(EditionByteOffset + 2, 0);
  rom.WithByte(0x143, 0x80);  // works on both the Game Boy and the Color
  rom.WithByte(RomSizeOffset, 6);  // 2 MiB, as the image is
  for (int item = 1; item <= LastItem; ++item) {
    rom.WithRecord(gold, item, SampleRecord(item));
    // Made-up routine addresses in the switchable bank, low byte first.
    const int address = 0x6000 + item * 0x18;
    if (HasAsmEntry(item))
      rom.WithAsmEntry(gold, item, static_cast<uint8_t>(address & 0xFF), static_cast<uint8_t>(address >> 8));
  }
  // Every checksum current, as in a freshly built ROM.
  std::vector<uint8_t> bytes = rom.WithHeaderChecksum().Bytes();
  RefreshChecksums(bytes, StadiumBlocks::N64Only);
  WriteFileBytes(argv[1], bytes);
  return 0;
}
