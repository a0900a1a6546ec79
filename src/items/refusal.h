#pragma once

#include <exception>
#include <string>
#include <system_error>
#include <utility>

#include "items/editor_problem.h"

// A command that was refused or could not finish: the problem and what its
// words name. The core, the exchange and the item table hand it on as it
// is, and each front end shows Words() of it where it shows messages.
struct Refusal {
  EditorProblem problem = EditorProblem::None;
  ProblemDetails details;
};

std::string Words(const Refusal& refusal);

// Whether the user gave something that cannot be taken, or a file could not
// be read or written as asked: the tool's exit status tells them apart.
enum class RefusalKind { Input, File };
RefusalKind KindOf(const Refusal& refusal);

// The details that name the file at `path`, with the system's reason.
ProblemDetails FileDetails(const std::string& path, std::error_code cause = {});

// A refusal thrown, so that a run of steps stops at the first one; what() is
// its words.
class Refused : public std::exception {
 public:
  explicit Refused(Refusal refusal) : refusal_(std::move(refusal)), words_(Words(refusal_)) {}
  Refused(EditorProblem problem, ProblemDetails details) : Refused(Refusal{problem, std::move(details)}) {}

  const Refusal& Why() const { return refusal_; }
  const char* what() const noexcept override { return words_.c_str(); }

 private:
  Refusal refusal_;
  std::string words_;
};
