#pragma once

#include <string>

// Why a file dialog produced no path although the user did not cancel it.
enum class DialogFailure {
  None,             // a cancel, or no call yet
  PathTooLong,      // the chosen path does not fit the dialog's buffer
  NameEndsInSpace,  // trimmed, it would name another file
  Other,            // the platform's dialog failed for its own reason
};

// The message for the user; empty for None, which needs none.
std::string DescribeDialogFailure(DialogFailure failure, unsigned maxPathChars);
