#include "items/editor_problem.h"

#include <cassert>

#include "items/edition_table.h"
#include "items/image_edition.h"
#include "items/wording.h"
#include "rom_io/rom_header.h"

namespace {

// Why the game's code did not lead to `tables` ("it", "them" or a table's name).
std::string WhyNotFound(TableMiss miss, const std::string& tables) {
  const std::string code = "the game's code that reads " + tables;
  return miss == TableMiss::CodeRepeated
             ? code + " occurs more than once, and Kestrune cannot tell which copy the game runs"
             : code + " has been changed";
}

// "the item table", "the ASM pointer table" or both, and why.
std::string TablesNotFound(const ProblemDetails& details) {
  const std::string items = "the item table", pointers = "the ASM pointer table";
  const TableMiss itemMiss = details.itemTable, pointerMiss = details.pointerTable;
  const bool both = itemMiss != TableMiss::None && pointerMiss != TableMiss::None;
  std::string missing = both ? items + " and " + pointers : itemMiss != TableMiss::None ? items : pointers;
  std::string why = !both ? WhyNotFound(itemMiss != TableMiss::None ? itemMiss : pointerMiss, "it")
                    : itemMiss == pointerMiss
                        ? WhyNotFound(itemMiss, "them")
                        : WhyNotFound(itemMiss, items) + "; " + WhyNotFound(pointerMiss, pointers);
  return "Kestrune cannot find " + missing + " in this ROM: " + why + ". Nothing was read or written.";
}

// "Cannot save to "rom.gbc": " or "Cannot read "rom.gbc": "
std::string FileLead(const ProblemDetails& details) {
  return (details.saving ? "Cannot save to " : "Cannot read ") + Quoted(details.path) + ": ";
}

// "2 MiB (2097152 bytes)"; a cartridge is a whole number of KiB.
std::string RomSizeText(int64_t size) {
  constexpr int64_t kKiB = 1024, kMiB = kKiB * kKiB;
  const std::string rounded =
      size >= kMiB ? std::to_string(size / kMiB) + " MiB" : std::to_string(size / kKiB) + " KiB";
  return rounded + " (" + std::to_string(size) + " bytes)";
}

std::string Reason(const ProblemDetails& details, const std::string& otherwise) {
  return details.cause ? details.cause.message() + "." : otherwise;
}

// "Standard output goes into ..., which is read: choose another output."
std::string OutputOverRead(const std::string& where) {
  return "Standard output goes into " + where + ", which is read: choose another output.";
}

// The refusals of the ROM, the files and the arguments that the item table
// and the tool read whole.
std::string DescribeExchangeProblem(EditorProblem problem, const ProblemDetails& details) {
  const std::string path = Quoted(details.path);
  switch (problem) {
    case EditorProblem::TooLarge:
      return path + " is larger than any Game Boy cartridge, so it is not a ROM image.";
    case EditorProblem::UnsupportedFile:
      return path + " is not a supported ROM (" + std::string(UnsupportedRomLabel) + ")" +
             (details.text.empty() ? "" : ": " + details.text) + ".";
    case EditorProblem::FileTablesNotFound:
      // The core's words speak of "this ROM", and a command may read two.
      return path + ": " + TablesNotFound(details);
    case EditorProblem::TextsNotStored:
      return "Cannot save the texts in " + path + ":\n" + details.text;
    case EditorProblem::ChangedWhileEditing:
      return path + " changed while it was being edited; nothing was written. Run the command again.";
    case EditorProblem::ChangedSinceRead:
      return path + " changed since the item table read it; nothing was written. Choose Revert to read it again, " +
             "then make your changes again.";
    case EditorProblem::OtherEditionNow:
      return path + " now holds " + std::string(details.openEdition) + ", not the " +
             std::string(details.loadedEdition) + " that the item table shows; the table was left as it was. " +
             "Open the file again to edit it.";
    case EditorProblem::CellRefused:
      return "Nothing was saved: " + details.itemName + " holds " + QuotedText(details.text) + ", which is refused. " +
             details.field;
    case EditorProblem::ChangedSinceEdit:
      return "Nothing was saved: " + path + " changed since you edited " + details.changedFields +
             ". Choose Revert to read the file again, or Undo those edits, then save.";
    case EditorProblem::NotAFile:
      return FileLead(details) + "it is not a file.";
    case EditorProblem::CannotWriteFile:
      return "Cannot write " + path + ": " + details.cause.message() + ".";
    case EditorProblem::OutputIsRead:
      return OutputOverRead(path);
    case EditorProblem::OutputUntold:
      return OutputOverRead("a file that cannot be told apart from " + path);
    case EditorProblem::OutputIsInput:
      return "The output " + path + " is the input " + Quoted(details.otherPath) + ": choose another output file.";
    case EditorProblem::OutputLost:
      return "Cannot write to standard output: " + details.cause.message() + ".";
    case EditorProblem::ReportLost:
      return "The ROM was saved; the report could not be written: " + details.cause.message() + ".";
    case EditorProblem::BadCsvLine:
      return path + " line " + std::to_string(details.line) + ": " + details.text + ".";
    case EditorProblem::NotUtf8:
      return path + " is not UTF-8 text. " + SaveAsUtf8;
    case EditorProblem::BadJson:
      return path + " is not valid JSON: the error is at byte " + std::to_string(details.byte) + ".";
    case EditorProblem::NumberTooLarge:
      return path + " holds a number too large to read.";
    case EditorProblem::NoSuchEdition:
      return "There is no edition " + QuotedText(details.text) + ": give " + EditionChoices() + ".";
    case EditorProblem::NoSuchItem:
      return details.text;
    default:
      break;
  }
  assert(false && "DescribeProblem words the others");
  return {};
}

}  // namespace

std::string DescribeProblem(EditorProblem problem, const ProblemDetails& details) {
  switch (problem) {
    case EditorProblem::None:
      return {};
    case EditorProblem::TablesNotFound:
      return TablesNotFound(details);
    case EditorProblem::CutShort:
      return Quoted(details.path) + " is cut short: its header gives a ROM of " + RomSizeText(details.headerSize) +
             ", but the file holds " + Counted(static_cast<size_t>(details.size), "byte", "bytes") +
             ". Nothing was read or written.";
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
      return "Cannot save: " + details.itemName + " was loaded from " + std::string(details.loadedEdition) +
             ", but the open ROM is " + std::string(details.openEdition) + ". Load the item from this ROM first.";
    case EditorProblem::BadField:
      return details.field;
    case EditorProblem::ChangedSinceLoad:
      return "Cannot save: " + details.itemName + " has changed in " + Quoted(details.path) + " since it was loaded (" +
             details.changedFields +
             "), by another program or window. Nothing was written: load the item again, then make your change.";
    case EditorProblem::CannotRead:
      return FileLead(details) + Reason(details, "the file cannot be read.");
    case EditorProblem::CannotWrite:
      return FileLead(details) + Reason(details, "the file cannot be opened for writing.");
    case EditorProblem::TablesMoved:
      return FileLead(details) + "the file has changed since it was opened, and its item tables are no longer " +
             "where they were. Open it again.";
    case EditorProblem::SizeChanged:
      return FileLead(details) + "the file is now " + std::to_string(details.size) + " bytes long, not the " +
             std::to_string(details.openSize) + " it had when it was opened. Open it again.";
    case EditorProblem::Replaced:
      return FileLead(details) + "it is no longer the " + std::string(details.openEdition) + " file that was opened.";
    case EditorProblem::PartWritten:
      return FileLead(details) + "only " + std::to_string(details.written) + " of the item's " +
             std::to_string(details.expected) + " bytes were written; the item may now be partly changed.";
    case EditorProblem::TooLarge:
    case EditorProblem::UnsupportedFile:
    case EditorProblem::FileTablesNotFound:
    case EditorProblem::TextsNotStored:
    case EditorProblem::ChangedWhileEditing:
    case EditorProblem::ChangedSinceRead:
    case EditorProblem::OtherEditionNow:
    case EditorProblem::CellRefused:
    case EditorProblem::ChangedSinceEdit:
    case EditorProblem::NotAFile:
    case EditorProblem::CannotWriteFile:
    case EditorProblem::OutputIsRead:
    case EditorProblem::OutputUntold:
    case EditorProblem::OutputIsInput:
    case EditorProblem::OutputLost:
    case EditorProblem::ReportLost:
    case EditorProblem::BadCsvLine:
    case EditorProblem::NotUtf8:
    case EditorProblem::BadJson:
    case EditorProblem::NumberTooLarge:
    case EditorProblem::NoSuchEdition:
    case EditorProblem::NoSuchItem:
      return DescribeExchangeProblem(problem, details);
  }
  assert(false && "every problem has its words");
  return {};
}

ProblemDetails ImageDetails(const std::string& path, std::span<const uint8_t> rom) {
  ProblemDetails details;
  details.path = path;
  details.size = static_cast<int64_t>(rom.size());
  details.headerSize = HeaderRomSize(rom).value_or(0);
  return details;
}
