#pragma once

#include <string>

// What a Save did. A refused Save wrote nothing; a failed one may have
// written part of the item, and its message says how much.
struct SaveOutcome {
  enum class Kind { Saved, Refused, Failed };
  Kind kind = Kind::Saved;
  std::string message;

  bool saved() const { return kind == Kind::Saved; }
};
