#include "items/held_effect_names.h"

#include <algorithm>
#include <array>

#include "items/held_effect_table.h"

namespace {

constexpr std::string_view Prefix = "HELD_";

NamedValues MakeHeldEffectNames() {
  std::vector<NamedValue> values;
  values.reserve(HeldEffectTable.size());
  for (const HeldEffectFact& effect : HeldEffectTable) {
    values.push_back({std::string(effect.name), WordsOfName(effect.name, Prefix), effect.byte});
  }
  return {std::move(values), std::string(Prefix), 2};
}

// The effects whose Var. byte the battle engine compares with a random
// byte: a chance out of 256.
constexpr std::array<std::string_view, 4> ChanceEffects{"HELD_QUICK_CLAW", "HELD_FLINCH", "HELD_FOCUS_BAND",
                                                        "HELD_BRIGHTPOWDER"};

}  // namespace

const NamedValues& HeldEffectNames() {
  static const NamedValues names = MakeHeldEffectNames();
  return names;
}

std::string HeldEffectText(uint8_t effect) {
  const NamedValue* named = HeldEffectNames().Find(effect);
  return named ? named->words + " (" + named->name + ")" : HeldEffectNames().Words(effect);
}

std::string_view HeldBy(uint8_t effect) {
  const auto* fact = std::ranges::find(HeldEffectTable, effect, &HeldEffectFact::byte);
  return fact == HeldEffectTable.end() ? std::string_view() : fact->heldBy;
}

std::string ParameterMeaning(uint8_t effect, uint8_t parameter) {
  const std::string name = HeldEffectNames().Name(effect);
  const std::string number = std::to_string(parameter);
  if (name == "HELD_BERRY") return "restores " + number + " HP";
  if (name.ends_with("_BOOST")) return "adds " + number + "% to the power of moves of its type";
  if (std::ranges::find(ChanceEffects, name) != ChanceEffects.end()) return "a chance of " + number + " out of 256";
  return "the game does not read it for the held effect " + HeldEffectText(effect);
}
