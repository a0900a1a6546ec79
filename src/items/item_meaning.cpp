#include "items/item_meaning.h"

#include <array>
#include <utility>

#include "items/field_codec.h"
#include "items/item_encoding.h"
#include "items/item_names.h"

namespace {

constexpr uint8_t CantSelect = 0x40;
constexpr uint8_t CantToss = 0x80;
constexpr uint8_t UnusedUseBits = 0x3F;
// The games' item menu actions; 1 to 3 fall through to no use.
constexpr std::array<std::string_view, 7> MenuActions{"no use",  "no use", "no use", "no use",
                                                      "current", "party",  "close"};

uint8_t FieldMenu(uint8_t type) { return static_cast<uint8_t>(type >> 4); }
uint8_t BattleMenu(uint8_t type) { return static_cast<uint8_t>(type & 0x0F); }

// A half of the Type byte is one of its two hex digits, as the field shows it.
char HexDigit(uint8_t half) { return "0123456789ABCDEF"[half & 0x0F]; }

bool IsBagPocket(int pocket) { return pocket >= 1 && static_cast<size_t>(pocket) < PocketCount; }

std::string MenuHalf(std::string_view which, uint8_t half) {
  const std::string_view action = half < MenuActions.size() ? MenuActions[half] : "undefined";
  return std::string(which) + " " + HexDigit(half) + " (" + std::string(action) + ")";
}

void WarnAboutMenuHalf(std::vector<std::string>& warnings, std::string_view which, uint8_t half) {
  const std::string value = "The " + std::string(which) + " value " + HexDigit(half);
  if (half >= MenuActions.size()) {
    warnings.push_back(value + " is not defined: the game jumps past its table of menu actions.");
  } else if (half >= 1 && half <= 3) {
    warnings.push_back(value + " is not defined: the game treats it as no use.");
  }
}

// "HH: meaning", then each warning on a line of its own.
std::string Description(const std::string& hex, const std::string& meaning, const std::vector<std::string>& warnings) {
  std::string text = hex + ": " + meaning;
  for (const std::string& warning : warnings) text += "\n" + warning;
  return text;
}

// A one-byte field's text as Save would store it, under the field's caption.
std::string DescribeByte(std::string_view text, std::string_view caption, std::string (*meaning)(uint8_t),
                         std::vector<std::string> (*warnings)(uint8_t)) {
  const auto value = FieldCodec::ParseByte(text);
  if (!value) return ByteFieldProblem(caption);
  return Description(FieldCodec::ByteText(*value), meaning(*value), warnings(*value));
}

}  // namespace

std::string UseMeaning(uint8_t use) {
  std::string flags;
  if (use & CantSelect) flags = "can't select";
  if (use & CantToss) flags += std::string(flags.empty() ? "" : ", ") + "can't toss";
  return flags.empty() ? "no flags" : flags;
}

std::string TypeMeaning(uint8_t type) {
  return MenuHalf("field menu", FieldMenu(type)) + ", " + MenuHalf("battle menu", BattleMenu(type));
}

std::string PocketText(int pocket) {
  if (pocket >= 0 && static_cast<size_t>(pocket) < PocketCount) {
    return std::string(PocketNames[static_cast<size_t>(pocket)]) + " (" + std::to_string(pocket) + ")";
  }
  return std::to_string(pocket) + " (no pocket)";
}

std::vector<std::string> UseWarnings(uint8_t use) {
  if (!(use & UnusedUseBits)) return {};
  return {"Use bits 0 to 5 are never used by the games, yet some are set."};
}

std::vector<std::string> PocketWarnings(int pocket) {
  if (IsBagPocket(pocket)) return {};
  return {"Pocket " + std::to_string(pocket) + " is no pocket in the bag."};
}

std::vector<std::string> TypeWarnings(uint8_t type) {
  std::vector<std::string> warnings;
  WarnAboutMenuHalf(warnings, "field menu", FieldMenu(type));
  WarnAboutMenuHalf(warnings, "battle menu", BattleMenu(type));
  return warnings;
}

std::vector<std::string> ItemWarnings(uint8_t use, int pocket, uint8_t type) {
  std::vector<std::string> warnings = UseWarnings(use);
  for (std::string& warning : PocketWarnings(pocket)) warnings.push_back(std::move(warning));
  for (std::string& warning : TypeWarnings(type)) warnings.push_back(std::move(warning));
  return warnings;
}

std::string DescribeUse(std::string_view text) { return DescribeByte(text, "Use", UseMeaning, UseWarnings); }

std::string DescribeType(std::string_view text) { return DescribeByte(text, "Type", TypeMeaning, TypeWarnings); }

std::string DescribePocket(int16_t index) {
  const uint8_t pocket = FieldCodec::PocketByte(index);
  const std::string meaning = IsBagPocket(pocket) ? std::string(PocketNames[static_cast<size_t>(pocket)]) : "no pocket";
  return Description(FieldCodec::ByteText(pocket), meaning, PocketWarnings(pocket));
}
