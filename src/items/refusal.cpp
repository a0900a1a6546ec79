#include "items/refusal.h"

std::string Words(const Refusal& refusal) { return DescribeProblem(refusal.problem, refusal.details); }

RefusalKind KindOf(const Refusal& refusal) {
  switch (refusal.problem) {
    case EditorProblem::CannotRead:
    case EditorProblem::CannotWrite:
    case EditorProblem::TablesMoved:
    case EditorProblem::SizeChanged:
    case EditorProblem::Replaced:
    case EditorProblem::PartWritten:
    case EditorProblem::ChangedWhileEditing:
    case EditorProblem::ChangedSinceRead:
    case EditorProblem::NotAFile:
    case EditorProblem::CannotWriteFile:
    case EditorProblem::OutputLost:
    case EditorProblem::ReportLost:
      return RefusalKind::File;
    default:
      return RefusalKind::Input;
  }
}

ProblemDetails FileDetails(const std::string& path, std::error_code cause) {
  ProblemDetails details;
  details.path = path;
  details.cause = cause;
  return details;
}
