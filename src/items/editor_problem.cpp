#include "items/editor_problem.h"

#include <cassert>

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
