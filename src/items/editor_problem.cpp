#include "items/editor_problem.h"

#include <cassert>

#include "items/item_names.h"

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string ItemName(int item) { return std::string(ItemNames[static_cast<size_t>(item)]); }

// "Cannot save to "rom.gbc": " or "Cannot read "rom.gbc": "
std::string FileLead(const ProblemDetails& details) {
  return (details.saving ? "Cannot save to " : "Cannot read ") + Quoted(details.path) + ": ";
}

std::string Reason(const ProblemDetails& details, const std::string& otherwise) {
  return details.cause ? details.cause.message() + "." : otherwise;
}

}  // namespace

std::string DescribeProblem(EditorProblem problem, const ProblemDetails& details) {
  switch (problem) {
    case EditorProblem::None:
      return {};
    case EditorProblem::ItemZero:
      return "Cannot load Item 0";
    case EditorProblem::NoItemChosen:
      return "Choose an item to load.";
    case EditorProblem::NoRomOpen:
      return "Open a Pokémon Gold, Silver or Crystal ROM before loading an item.";
    case EditorProblem::NothingLoaded:
      return "Load an item before saving.";
    case EditorProblem::Unsupported:
      return "Cannot save: the open file is not a supported ROM.";
    case EditorProblem::OtherEdition:
      return "Cannot save: " + ItemName(details.item) + " was loaded from " + std::string(details.loadedEdition) +
             ", but the open ROM is " + std::string(details.openEdition) + ". Load the item from this ROM first.";
    case EditorProblem::BadField:
      return details.field;
    case EditorProblem::CannotRead:
      return FileLead(details) + Reason(details, "the file cannot be read.");
    case EditorProblem::CannotWrite:
      return FileLead(details) + Reason(details, "the file cannot be opened for writing.");
    case EditorProblem::TooShort:
      return FileLead(details) + "the file is too short to hold item " + std::to_string(details.item) + ".";
    case EditorProblem::Replaced:
      return FileLead(details) + "it is no longer the " + std::string(details.openEdition) + " file that was opened.";
    case EditorProblem::PartWritten:
      return FileLead(details) + "only " + std::to_string(details.written) + " of the item's " +
             std::to_string(details.expected) + " bytes were written; the item may now be partly changed.";
  }
  assert(false && "every problem has its words");
  return {};
}
