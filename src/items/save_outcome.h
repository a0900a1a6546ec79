#pragma once

#include <string>
#include <system_error>

#include "items/editor_problem.h"

// What a Save did. A refused Save wrote nothing; a failed one may have
// written part of the item, and its message says how much.
struct SaveOutcome {
  enum class Kind { Saved, Refused, Failed };
  Kind kind = Kind::Saved;
  std::string message;
  EditorProblem problem = EditorProblem::None;
  std::error_code cause;  // the operating system's reason, for a file problem

  bool saved() const { return kind == Kind::Saved; }
};
