#pragma once

#include <stdexcept>
#include <string>

#include "items/refusal.h"

// The exit statuses that scripts can rely on.
enum class ExitStatus : int {
  Success = 0,
  DifferencesFound = 1,  // diff only
  InvalidInput = 2,      // bad usage, an invalid value or a Save the core refused
  FileError = 3,         // a file that cannot be read or written
};

// Stops a command: `what()` is the one sentence printed on stderr.
class CliError : public std::runtime_error {
 public:
  CliError(ExitStatus status, const std::string& message) : std::runtime_error(message), status_(status) {}
  ExitStatus Status() const { return status_; }

 private:
  ExitStatus status_;
};

inline CliError InvalidInput(const std::string& message) { return {ExitStatus::InvalidInput, message}; }
inline CliError FileError(const std::string& message) { return {ExitStatus::FileError, message}; }

// The status of a command that the core refused.
inline ExitStatus StatusOf(const Refusal& refusal) {
  return KindOf(refusal) == RefusalKind::File ? ExitStatus::FileError : ExitStatus::InvalidInput;
}
