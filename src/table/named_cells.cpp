#include "table/named_cells.h"

std::string NamedCellText(NamedColumn column, uint16_t value, const RoutineNames& routines, bool bytes) {
  const NamedValues& names = NamesOf(column, routines);
  const uint16_t part = PartOf(column, value);
  if (bytes || (column == NamedColumn::Routine && !names.Find(part))) return names.Hex(part);
  return names.Words(part);
}

ParsedField ReadNamedCell(NamedColumn column, std::string_view text, uint16_t value, const RoutineNames& routines) {
  const NamedValues& names = NamesOf(column, routines);
  const std::optional<uint16_t> part = text.empty() ? std::optional<uint16_t>(0) : names.Parse(text);
  if (part) return {WithPart(column, value, *part), {}};
  return {std::nullopt, UnknownNameProblem(names, WhatIsNamed(column), text)};
}

std::vector<std::string> NamedCellChoices(NamedColumn column, const RoutineNames& routines) {
  std::vector<std::string> choices;
  for (const NamedValue& named : NamesOf(column, routines).Choices()) {
    choices.push_back(column == NamedColumn::Routine ? named.name : named.words);
  }
  return choices;
}
