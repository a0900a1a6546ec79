#include "items/item_meaning.h"

#include <utility>

#include "items/field_codec.h"
#include "items/held_effect_names.h"
#include "items/item_encoding.h"
#include "items/item_names.h"
#include "items/menu_names.h"
#include "items/use_names.h"

namespace {

constexpr uint8_t UnusedUseBits = static_cast<uint8_t>(~UseFlagBits);
// Past the last menu action the game jumps beyond its table of actions;
// the undefined values below it act as no use.
constexpr uint8_t LastMenuAction = 6;

// A half of the Type byte is one of its two hex digits, as the field shows it.
std::string HexDigit(uint8_t half) { return MenuNames().Hex(half); }

bool IsBagPocket(int pocket) { return pocket >= 1 && static_cast<size_t>(pocket) < PocketCount; }

// "Berry (HELD_BERRY)": a value's words and its name.
std::string Named(const NamedValue& named) { return named.words + " (" + named.name + ")"; }

std::string MenuHalf(std::string_view which, uint8_t half) {
  const NamedValue* action = MenuNames().Find(half);
  const std::string meaning = action                   ? action->words + ", " + action->name
                              : half <= LastMenuAction ? MenuNames().Words(0) + ", not defined"
                                                       : "undefined";
  return std::string(which) + " " + HexDigit(half) + " (" + meaning + ")";
}

void WarnAboutMenuHalf(std::vector<std::string>& warnings, std::string_view which, uint8_t half) {
  const std::string value = "The " + std::string(which) + " value " + HexDigit(half);
  if (half > LastMenuAction) {
    warnings.push_back(value + " is not defined: the game jumps past its table of menu actions.");
  } else if (!MenuNames().Find(half)) {
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

std::string UseMeaning(uint8_t use) { return Named(*UseNames().Find(use & UseFlagBits)); }

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

std::string DescribeEffect(std::string_view text) {
  const auto effect = FieldCodec::ParseByte(text);
  if (!effect) return ByteFieldProblem("Effect");
  const std::string meaning = HeldEffectNames().Find(*effect) ? HeldEffectText(*effect) : "no held effect of the games";
  return FieldCodec::ByteText(*effect) + ": " + meaning;
}

std::string DescribeVariable(std::string_view effectText, std::string_view text) {
  const auto parameter = FieldCodec::ParseByte(text);
  if (!parameter) return ByteFieldProblem("Var.");
  const auto effect = FieldCodec::ParseByte(effectText);
  const std::string hex = FieldCodec::ByteText(*parameter);
  if (!effect) return hex + ": its meaning depends on the held effect";
  return hex + ": " + ParameterMeaning(*effect, *parameter);
}

std::string DescribeAsm(std::string_view text, const RoutineNames& routines) {
  const auto routine = FieldCodec::ParseRoutine(text);
  if (!routine) return AsmFieldProblem();
  const uint16_t pointer = FieldCodec::SwappedBytes(*routine);
  return FieldCodec::RoutineText(*routine) + ": " + routines.NameOf(pointer).value_or("no routine name is known");
}

std::string DescribeUse(std::string_view text) { return DescribeByte(text, "Use", UseMeaning, UseWarnings); }

std::string DescribeType(std::string_view text) { return DescribeByte(text, "Type", TypeMeaning, TypeWarnings); }

std::string DescribePocket(int16_t index) {
  const uint8_t pocket = FieldCodec::PocketByte(index);
  const std::string meaning = IsBagPocket(pocket) ? std::string(PocketNames[static_cast<size_t>(pocket)]) : "no pocket";
  return Description(FieldCodec::ByteText(pocket), meaning, PocketWarnings(pocket));
}
