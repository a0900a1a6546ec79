#include "cli/rom_session.h"

#include <algorithm>

#include "cli/cli_error.h"
#include "cli/file_access.h"
#include "items/item_names.h"

namespace {

// Where the last item record and the last pointer entry end: a shorter file
// would be read past its end.
int64_t ItemDataEnd(const Edition& edition) {
  return std::max<int64_t>(RecordAddress(edition.itemTableBase, LastItem) + ItemRecordSize,
                           AsmEntryAddress(edition.asmTableBase, LastItemWithAsm) + AsmEntrySize);
}

}  // namespace

std::string DescribeItem(int item) {
  return "item " + std::to_string(item) + " (" + std::string(ItemNames[static_cast<size_t>(item)]) + ")";
}

RomSession::RomSession(const std::string& path) : path_(path) {
  const int64_t size = ReadableFileSize(path_);
  const auto opened = editor_.OpenRom(path_);
  if (!opened.enableFrames) {
    throw InvalidInput(Quoted(path_) + " is not a supported ROM (" + opened.label + ").");
  }
  if (size < ItemDataEnd(RomEdition())) {
    throw InvalidInput(Quoted(path_) + " is too short to hold the item tables of " + std::string(RomEdition().label) +
                       ".");
  }
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
