#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "items/clean_item_names.h"
#include "items/file_span.h"

// Where the item tables lie in each supported ROM, and how an item's number
// leads to its bytes. Data and arithmetic only.

// The edition byte is the ninth character of the cartridge title.
inline constexpr int32_t EditionByteOffset = 0x13C;
// The four-letter game code; its last letter names the region.
inline constexpr int32_t GameCodeOffset = 0x13F;
inline constexpr int32_t GameCodeLength = 4;

inline constexpr int32_t ItemRecordSize = 7;
inline constexpr int32_t AsmEntrySize = 2;
inline constexpr int LastItem = 255;
inline constexpr int LastItemWithAsm = 179;

// A release's item texts: the names as the clean game spells them, item 1
// first, and where the release keeps its names and its descriptions' texts
// with the bytes each fills there, the room they keep though shorter texts
// no longer fill it.
struct ReleaseTexts {
  const std::array<std::string_view, 255>* cleanItemNames;
  FileSpan nameRoom, descriptionRoom;
};
inline constexpr ReleaseTexts GoldSilverTexts{&CleanGoldSilverItemNames, {0x1B0000, 2389}, {0x1B8200, 4932}};
inline constexpr ReleaseTexts CrystalTexts{&CleanCrystalItemNames, {0x1C8000, 2389}, {0x1C8B85, 5028}};

struct Edition {
  std::string_view byte;   // two hex digits, compared as text
  std::string_view label;  // shown in the window's edition label
  std::string_view name;   // short and lower-case, for files and command lines
  // Only these releases have their item tables at the offsets below; other
  // regions carry the same edition byte with the tables elsewhere.
  std::array<std::string_view, 2> gameCodes;
  int32_t itemTableBase;
  int32_t asmTableBase;
  // Crystal's checksum blocks for the Stadium game hold bank flags too.
  bool stadiumBaseBlock;
  ReleaseTexts texts;
};

// Tried in this order.
inline constexpr std::array<Edition, 3> EditionTable{{
    {"47", "Pokémon Gold Version", "gold", {"AAUE", ""}, 0x68A0, 0xE7C0, false, GoldSilverTexts},
    {"53", "Pokémon Silver Version", "silver", {"AAXE", ""}, 0x6866, 0xE7BE, false, GoldSilverTexts},
    {"41", "Pokémon Crystal Version", "crystal", {"BYTE", "BYTU"}, 0x67C1, 0xE73C, true, CrystalTexts},
}};

inline constexpr std::string_view UnsupportedRomLabel = "Unsupported Rom";

// The edition with this short name, if any.
constexpr const Edition* EditionNamed(std::string_view name) {
  for (const Edition& edition : EditionTable) {
    if (edition.name == name) return &edition;
  }
  return nullptr;
}

constexpr bool HasItemRecord(int item) { return item >= 1 && item <= LastItem; }
constexpr bool HasAsmEntry(int item) { return item >= 1 && item <= LastItemWithAsm; }

constexpr int32_t RecordAddress(int32_t itemTableBase, int item) { return itemTableBase + (item - 1) * ItemRecordSize; }
constexpr int32_t AsmEntryAddress(int32_t asmTableBase, int item) { return asmTableBase + (item - 1) * AsmEntrySize; }

// Byte positions inside one item record.
namespace RecordByte {
inline constexpr int32_t Price = 0;
inline constexpr int32_t Effect = 2;
inline constexpr int32_t Variable = 3;
inline constexpr int32_t Options = 4;
inline constexpr int32_t Pocket = 5;
inline constexpr int32_t How = 6;
}  // namespace RecordByte
