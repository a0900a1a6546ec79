#include "exchange/named_columns.h"

#include <algorithm>
#include <cctype>

#include "items/field_codec.h"
#include "items/held_effect_names.h"
#include "items/menu_names.h"
#include "items/use_names.h"
#include "items/wording.h"

namespace {

constexpr std::array<std::string_view, AllNamedColumns.size()> Keys{"held_effect_name", "property_name", "field_menu",
                                                                    "battle_menu", "routine"};

size_t At(NamedColumn column) { return static_cast<size_t>(column); }
size_t At(Field field) { return static_cast<size_t>(field); }

bool IsHexText(std::string_view text) {
  return !text.empty() && std::ranges::all_of(text, [](char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0 || c == ' ' || c == '\t';
  });
}

}  // namespace

Field FieldOf(NamedColumn column) {
  switch (column) {
    case NamedColumn::HeldEffect:
      return Field::Effect;
    case NamedColumn::Property:
      return Field::Options;
    case NamedColumn::FieldMenu:
    case NamedColumn::BattleMenu:
      return Field::How;
    case NamedColumn::Routine:
      return Field::Asm;
  }
  return Field::Effect;
}

std::string_view WhatIsNamed(NamedColumn column) {
  switch (column) {
    case NamedColumn::HeldEffect:
      return "held effect";
    case NamedColumn::Property:
      return "Use flag";
    case NamedColumn::FieldMenu:
    case NamedColumn::BattleMenu:
      return "menu action";
    case NamedColumn::Routine:
      return "item-use routine";
  }
  return "";
}

const NamedValues& NamesOf(NamedColumn column, const RoutineNames& routines) {
  switch (column) {
    case NamedColumn::HeldEffect:
      return HeldEffectNames();
    case NamedColumn::Property:
      return UseNames();
    case NamedColumn::Routine:
      return routines.Choices();
    default:
      return MenuNames();
  }
}

// A routine's name is known by its pointer as the ASM field shows it, in
// file order; the record holds the address.
uint16_t PartOf(NamedColumn column, uint16_t value) {
  if (column == NamedColumn::Routine) return FieldCodec::SwappedBytes(value);
  const auto byte = static_cast<uint8_t>(value);
  if (column == NamedColumn::FieldMenu) return FieldMenu(byte);
  if (column == NamedColumn::BattleMenu) return BattleMenu(byte);
  return value;
}

uint16_t WithPart(NamedColumn column, uint16_t value, uint16_t part) {
  if (column == NamedColumn::Routine) return FieldCodec::SwappedBytes(part);
  const auto byte = static_cast<uint8_t>(value), half = static_cast<uint8_t>(part);
  if (column == NamedColumn::FieldMenu) return TypeOf(half, BattleMenu(byte));
  if (column == NamedColumn::BattleMenu) return TypeOf(FieldMenu(byte), half);
  return part;
}

std::string_view NamedColumnKey(NamedColumn column) { return Keys[At(column)]; }

std::optional<NamedColumn> NamedColumnFromKey(std::string_view key) {
  for (NamedColumn column : AllNamedColumns) {
    if (Keys[At(column)] == key) return column;
  }
  return std::nullopt;
}

std::vector<std::string> NamedCells(const ItemRecord& record, const RoutineNames& routines) {
  std::vector<std::string> cells;
  for (NamedColumn column : AllNamedColumns) {
    const Field field = FieldOf(column);
    const std::optional<uint16_t> value = FieldValue(record, field);
    cells.push_back(value ? NamesOf(column, routines).Name(PartOf(column, *value)) : "");
  }
  return cells;
}

std::vector<std::string> ResolveNames(const GivenNames& names, GivenValues& given, const ItemRecord& current,
                                      const RoutineNames& routines, const std::string& where) {
  std::vector<std::string> problems;
  const GivenValues bytes = given;
  for (NamedColumn column : AllNamedColumns) {
    const auto& name = names[At(column)];
    if (!name) continue;
    const Field field = FieldOf(column);
    const std::string place = where + ", " + std::string(NamedColumnKey(column)) + ": ";
    // Only items 1 to 179 have a pointer, which their records then hold.
    const std::optional<uint16_t> held = FieldValue(current, field);
    if (!held) {
      problems.push_back(place + "the item has no ASM pointer; leave it empty.");
      continue;
    }
    const NamedValues& values = NamesOf(column, routines);
    const auto part = values.Parse(*name);
    if (!part || IsHexText(*name)) {
      problems.push_back(place + UnknownNameProblem(values, WhatIsNamed(column), *name));
      continue;
    }
    const auto& byteValue = bytes[At(field)];
    if (byteValue && PartOf(column, *byteValue) != *part) {
      problems.push_back(place + QuotedText(*name) + " is " + values.Hex(*part) + ", but the " +
                         std::string(FieldKey(field)) + " column gives " + QuotedText(FieldText(field, *byteValue)) +
                         "; give one of them, or make them agree.");
      continue;
    }
    given[At(field)] = WithPart(column, given[At(field)].value_or(*held), *part);
  }
  return problems;
}

OptionText FieldTextOf(Field field, std::string_view typed, const RoutineNames& routines) {
  if (typed.empty() || IsHexText(typed)) return {std::string(typed), {}};
  const auto named = [&](NamedColumn column, std::string_view text) -> std::optional<uint16_t> {
    return NamesOf(column, routines).Parse(text);
  };
  const auto problem = [&](NamedColumn column, std::string_view text) {
    std::string sentence = UnknownNameProblem(NamesOf(column, routines), WhatIsNamed(column), text);
    sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
    return OptionText{std::nullopt, sentence};
  };
  if (field == Field::How) {
    const size_t comma = typed.find(',');
    if (comma == std::string_view::npos) {
      return {std::nullopt, "Give the Type byte as hex, or as the field menu's and the battle menu's actions parted "
                            "by a comma, such as ITEMMENU_CURRENT,ITEMMENU_NOUSE."};
    }
    const auto fieldMenu = named(NamedColumn::FieldMenu, typed.substr(0, comma));
    if (!fieldMenu) return problem(NamedColumn::FieldMenu, typed.substr(0, comma));
    const auto battleMenu = named(NamedColumn::BattleMenu, typed.substr(comma + 1));
    if (!battleMenu) return problem(NamedColumn::BattleMenu, typed.substr(comma + 1));
    return {FieldText(field, TypeOf(static_cast<uint8_t>(*fieldMenu), static_cast<uint8_t>(*battleMenu))), {}};
  }
  const auto column = std::ranges::find(AllNamedColumns, field, FieldOf);
  if (column == AllNamedColumns.end()) return {std::string(typed), {}};
  const auto value = named(*column, typed);
  if (!value) return problem(*column, typed);
  return {FieldText(field, WithPart(*column, 0, *value)), {}};
}
