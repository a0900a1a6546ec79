#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/item_values.h"
#include "items/routine_names.h"

// The columns that give four of an item's fields by the names the games'
// disassemblies give their values, beside the byte columns, which stay as
// they are: held_effect_name, property_name, field_menu, battle_menu and
// routine.

enum class NamedColumn { HeldEffect, Property, FieldMenu, BattleMenu, Routine };
inline constexpr std::array<NamedColumn, 5> AllNamedColumns{NamedColumn::HeldEffect, NamedColumn::Property,
                                                            NamedColumn::FieldMenu, NamedColumn::BattleMenu,
                                                            NamedColumn::Routine};

std::string_view NamedColumnKey(NamedColumn column);
std::optional<NamedColumn> NamedColumnFromKey(std::string_view key);

// The field whose value a column names, and the names of its values.
Field FieldOf(NamedColumn column);
const NamedValues& NamesOf(NamedColumn column, const RoutineNames& routines);
// "held effect", "menu action": what one of the column's names is.
std::string_view WhatIsNamed(NamedColumn column);
// The column's part of its field's value in a record: a menu's half of the
// Type byte, a routine's pointer as the ASM field shows it (file order).
uint16_t PartOf(NamedColumn column, uint16_t value);
// The field's value with the column's part replaced.
uint16_t WithPart(NamedColumn column, uint16_t value, uint16_t part);

// The names of an item's values, column by column; empty where no name is
// known.
std::vector<std::string> NamedCells(const ItemRecord& record, const RoutineNames& routines);

// The names a row gives, column by column; an empty cell gives none.
using GivenNames = std::array<std::optional<std::string>, AllNamedColumns.size()>;
// The values a row gives, field by field.
using GivenValues = std::array<std::optional<uint16_t>, AllFields.size()>;

// Puts the values that the names of a row stand for into its given values.
// A menu half takes the other half from the row's Type byte, or the item's
// `current` one. Returns one problem per name that is unknown (with the
// names close to it) or that disagrees with the byte column also given,
// each after `where` ("\"items.csv\" line 4").
std::vector<std::string> ResolveNames(const GivenNames& names, GivenValues& given, const ItemRecord& current,
                                      const RoutineNames& routines, const std::string& where);

// A field's text as the tool's option gives it: hex digits as they are, as
// the core checks them, or a name of the field's values, turned into its
// hex. The Type byte's names are the field menu's and the battle menu's,
// parted by a comma ("ITEMMENU_CURRENT,NOUSE"). Nothing but a problem for a
// name that is none.
struct OptionText {
  std::optional<std::string> text;
  std::string problem;
};
OptionText FieldTextOf(Field field, std::string_view typed, const RoutineNames& routines);
