#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "items/item_fields.h"
#include "items/routine_names.h"

// What the main window's fields mean to the games, for their tooltips, by
// the name of the control that shows each: both windows explain the same
// fields in the same words, whether the user typed a value or a Load put it
// there.

struct FieldTip {
  std::string_view control;
  std::string text;
};
// Effect, Variable, Options, Pocket, How and ASM; Var.'s reads Effect's text too.
std::vector<FieldTip> FieldTips(const ItemFields& fields, const RoutineNames& routines);
