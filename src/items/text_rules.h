#pragma once

#include <optional>
#include <string_view>

#include "items/game_text.h"
#include "items/text_problem.h"

// What the screen has room for: a name of 1 to 12 characters on one line,
// a description of one or two lines of at most 18. The text comes in the
// games' bytes when it fits, or with the first rule it breaks.
struct CheckedText {
  std::optional<GameText> bytes;
  TextProblem problem = TextProblem::None;
  TextProblemDetails details;  // the fields that describe the broken rule
};

CheckedText CheckName(std::string_view text);
CheckedText CheckDescription(std::string_view text);
