#include "dialogs/dialog_failure.h"

std::string DescribeDialogFailure(DialogFailure failure, unsigned maxPathChars) {
  switch (failure) {
    case DialogFailure::None:
      return {};
    case DialogFailure::PathTooLong:
      return "The path of the chosen file is longer than " + std::to_string(maxPathChars) +
             " characters; move the ROM to a shorter path.";
    case DialogFailure::NameEndsInSpace:
      return "The name of the chosen file ends in a space; rename the ROM without it.";
    case DialogFailure::Other:
      return "The file dialog could not be shown.";
  }
  return {};
}
