#include "cli/item_text.h"

#include <array>
#include <charconv>
#include <string_view>

#include "cli/item_values.h"
#include "items/edition_table.h"
#include "items/item_names.h"

namespace {

constexpr uint8_t kCantSelect = 0x40;
constexpr uint8_t kCantToss = 0x80;
constexpr uint8_t kUnusedPropertyBits = 0x3F;
// The games' item menu actions; 1 to 3 fall through to no use.
constexpr std::array<std::string_view, 7> kMenuActions{"no use",  "no use", "no use", "no use",
                                                       "current", "party",  "close"};

uint8_t FieldMenu(uint8_t menu) { return static_cast<uint8_t>(menu >> 4); }
uint8_t BattleMenu(uint8_t menu) { return static_cast<uint8_t>(menu & 0x0F); }

std::string MenuHalf(std::string_view which, uint8_t half) {
  const std::string_view action = half < kMenuActions.size() ? kMenuActions[half] : "undefined";
  return std::string(which) + " " + std::to_string(half) + " (" + std::string(action) + ")";
}

void WarnAboutMenuHalf(std::vector<std::string>& warnings, std::string_view which, uint8_t half) {
  const std::string value = "The " + std::string(which) + " value " + std::to_string(half);
  if (half >= kMenuActions.size()) {
    warnings.push_back(value + " is not defined: the game jumps past its table of menu actions.");
  } else if (half >= 1 && half <= 3) {
    warnings.push_back(value + " is not defined: the game treats it as no use.");
  }
}

uint8_t HexByte(const std::string& hex) {
  unsigned value = 0;
  std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  return static_cast<uint8_t>(value);
}

std::string Line(std::string_view caption, const std::string& value, const std::string& meaning = {}) {
  std::string line = std::string(caption) + std::string(13 - caption.size(), ' ') + value;
  if (!meaning.empty()) line += "  " + meaning;
  return line + "\n";
}

}  // namespace

std::string PropertyMeaning(uint8_t property) {
  std::string flags;
  if (property & kCantSelect) flags = "can't select";
  if (property & kCantToss) flags += std::string(flags.empty() ? "" : ", ") + "can't toss";
  return flags.empty() ? "no flags" : flags;
}

std::string MenuMeaning(uint8_t menu) {
  return MenuHalf("field menu", FieldMenu(menu)) + ", " + MenuHalf("battle menu", BattleMenu(menu));
}

std::string PocketText(int pocket) {
  if (pocket >= 0 && static_cast<size_t>(pocket) < PocketNames.size()) {
    return std::string(PocketNames[static_cast<size_t>(pocket)]) + " (" + std::to_string(pocket) + ")";
  }
  return std::to_string(pocket) + " (no pocket)";
}

std::vector<std::string> Warnings(uint8_t property, int pocket, uint8_t menu) {
  std::vector<std::string> warnings;
  if (property & kUnusedPropertyBits) {
    warnings.emplace_back("Use bits 0 to 5 are never used by the games, yet some are set.");
  }
  if (pocket == 0 || static_cast<size_t>(pocket) >= PocketNames.size()) {
    warnings.push_back("Pocket " + std::to_string(pocket) + " is no pocket in the bag.");
  }
  WarnAboutMenuHalf(warnings, "field menu", FieldMenu(menu));
  WarnAboutMenuHalf(warnings, "battle menu", BattleMenu(menu));
  return warnings;
}

std::string FormatItem(int item, const ItemFields& fields) {
  const ItemValues values = *ValuesOf(item, fields).values;
  const uint8_t property = HexByte(values[Field::Options]);
  const uint8_t menu = HexByte(values[Field::How]);
  const int pocket = fields.Pocket;

  std::string text = "Item " + std::to_string(item) + ": " + std::string(ItemNames[static_cast<size_t>(item)]) + "\n";
  text += Line("Price", values[Field::Price]);
  text += Line("Effect", values[Field::Effect]);
  text += Line("Var.", values[Field::Variable]);
  text += Line("Use", values[Field::Options], PropertyMeaning(property));
  text += Line("Pocket", PocketText(pocket));
  text += Line("Type", values[Field::How], MenuMeaning(menu));
  text += Line("ASM Pointer", HasAsmEntry(item) ? values[Field::Asm] : "none (only items 1 to 179 have one)");
  for (const std::string& warning : Warnings(property, pocket, menu)) text += "Warning: " + warning + "\n";
  return text;
}
