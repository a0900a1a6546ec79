#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/named_columns.h"
#include "items/item_encoding.h"
#include "items/routine_names.h"

// How a column that names its values shows and reads them: by the
// disassemblies' names in words ("Berry", "Party", "PokeBallEffect"), or as
// the bytes when the table shows bytes. `value` is always the whole field's,
// as the record holds it; a menu column shows and changes its half.

// A value without a name shows as its hex, "(5A)"; a routine without one
// shows its pointer as the ASM field does.
std::string NamedCellText(NamedColumn column, uint16_t value, const RoutineNames& routines, bool bytes);

// The field's value once the cell holds `text`: hex as the field takes it
// (empty is 0), or a name or its words in any case, with or without the
// prefix. The other half of a menu byte stays as `value` has it. The
// problem is worded for the column's caption to lead it.
ParsedField ReadNamedCell(NamedColumn column, std::string_view text, uint16_t value, const RoutineNames& routines);

// What an editor of the cell offers to choose from.
std::vector<std::string> NamedCellChoices(NamedColumn column, const RoutineNames& routines);
