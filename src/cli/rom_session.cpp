#include "cli/rom_session.h"

#include "cli/cli_error.h"
#include "cli/file_access.h"
#include "items/item_names.h"

std::string DescribeItem(int item) {
  return "item " + std::to_string(item) + " (" + std::string(ItemNames[static_cast<size_t>(item)]) + ")";
}

RomSession::RomSession(const std::string& path) : path_(path) {
  ReadableFileSize(path_);
  const auto opened = editor_.OpenRom(path_);
  if (!opened.enableFrames) {
    throw InvalidInput(Quoted(path_) + " is not a supported ROM (" + opened.label + ").");
  }
  // The tables lie inside the file wherever they were found; without them nothing is read.
  if (opened.problem == EditorProblem::TablesNotFound) throw InvalidInput(opened.message);
}

ItemFields RomSession::Load(int item) {
  auto loaded = editor_.LoadItem(static_cast<int16_t>(item));
  if (!loaded.fields) {
    const std::string message = "Cannot load " + DescribeItem(item) + ": " + loaded.message;
    throw CliError(IsFileProblem(loaded.problem) ? ExitStatus::FileError : ExitStatus::InvalidInput, message);
  }
  return *loaded.fields;
}

ItemValues RomSession::LoadValues(int item) {
  // What the core loads it can always store again.
  return *ValuesOf(item, Load(item)).values;
}

void RomSession::Save(int item, const ItemFields& fields) {
  // The core saves into the item of the last Load.
  Load(item);
  const SaveOutcome outcome = editor_.SaveItem(fields);
  if (outcome.saved()) {
    NoteRomWritten();
    return;
  }
  // A file problem's message already names the file; a refusal names the field.
  if (IsFileProblem(outcome.problem)) throw FileError(outcome.message);
  throw InvalidInput("Cannot save " + DescribeItem(item) + " in " + Quoted(path_) + ": " + outcome.message);
}
