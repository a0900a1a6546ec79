#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "items/item_record.h"
#include "items/routine_names.h"

// An item, under the name the ROM gives it, as the window shows it: the seven fields under their captions,
// the names of the Effect, Use, Type and pointer values and what Var. means to the effect,
// what the pocket byte means, its description (none where it cannot be read), and any warnings.
std::string FormatItem(int item, std::string_view name, const ItemRecord& record, const RoutineNames& routines);

// "Warning: The symbol file "x.sym" is ignored: …" and a line break, for the
// commands that name routines, so that a routine name they then do not know
// is no puzzle; empty when the symbol file offered was used or not needed,
// or there was none.
std::string SymbolFileWarning(const RoutineNames& routines);
