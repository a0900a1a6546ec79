#include <cassert>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/rom_image.h"
#include "exchange/rom_session.h"
#include "exchange/file_access.h"
#include "items/table_places.h"
#include "items/wording.h"
#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"

namespace {

constexpr size_t kValueColumn = 19;

// Labels stand in a column of their own.
std::string Line(const std::string& label, const std::string& value) {
  assert(label.size() < kValueColumn);
  return label + std::string(kValueColumn - label.size(), ' ') + value + "\n";
}

// The edition and, for tables not where the clean game has them, where
// they are: the lines the editor's Open gives.
std::string EditionLines(const ItemImage& image) {
  const Edition* edition = image.RomEdition();
  const std::string header = DescribeHeader(image.Header());
  const std::string headerLine = header.empty() ? "" : Line("Header", header);
  if (edition == nullptr) return Line("Edition", std::string(UnsupportedRomLabel)) + headerLine;
  std::string lines = Line("Edition", std::string(edition->label)) + headerLine;
  for (const TablePlace& place : DescribeTablePlaces(*edition, image.Tables())) lines += Line(place.table, place.place);
  return lines;
}

std::string StadiumState(const ItemImage& image) {
  const StadiumBlocks blocks = StadiumBlocksOf(image);
  if (blocks == StadiumBlocks::None) return "none";
  RomBytes fixed = image.Bytes();
  const ChecksumRefresh refresh = RefreshChecksums(fixed, blocks);
  const int halves = refresh.halfBanksChanged;
  return !refresh.blocksChanged ? "current"
         : halves == 0          ? "stale (run fix-checksum)"
                                : "stale (" + Counted(static_cast<size_t>(halves), "half-bank", "half-banks") +
                             "; run fix-checksum)";
}

template <typename Sum>
std::string Checksums(Sum stored, Sum computed) {
  return "stored " + ChecksumText(stored) + ", computed " + ChecksumText(computed) +
         (stored == computed ? " (equal)" : " (different)");
}

// Where the routines' names come from, and why a symbol file was not used.
std::string RoutineLines(const RoutineNames& routines) {
  const std::string& note = routines.SymbolFileNote();
  const bool told = routines.From() == RoutineNames::Source::None;
  return Line("Routine names", routines.SourceText()) + (note.empty() || told ? "" : Line("Symbol file", note));
}

void PrintInfo(const HeaderFacts& header, const ItemImage& image, const std::string& stadium) {
  const auto dump = KnownDumpName(header.sha1);
  std::cout << EditionLines(image) << Line("Title", header.Title()) << Line("Game code", header.GameCode())
            << Line("Size", std::to_string(header.size) + " bytes")
            << Line("Header checksum", Checksums(header.headerStored, header.headerComputed))
            << Line("Global checksum", Checksums(header.globalStored, header.globalComputed))
            << Line("Stadium checksums", stadium)
            << Line("Known dump", dump ? std::string(*dump) + " (clean)" : "none");
}

// One read: a file no larger than a cartridge is read whole and looked at
// in memory; a larger one streams past in constant memory, and its header
// alone names its edition, since no item table or Stadium block is looked
// for in it.
ExitStatus RunInfo(const std::string& path, const std::optional<std::string>& symbols) {
  const int64_t size = ReadableFileSize(path);
  if (size > LargestRomSize) {
    const HeaderFacts header = ScanRomFile(path);
    PrintInfo(header, ItemImage(RomBytes(header.header.begin(), header.header.end())), "none");
    return ExitStatus::Success;
  }
  const CFileHandle file(OpenCFile(path, "rb"));
  if (!file) throw Refused(EditorProblem::CannotRead, FileDetails(path, LastFileError()));
  const ItemImage image(ReadRomFile(file.get(), path, size));
  RefuseCutShort(path, image);
  PrintInfo(ReadHeader(image.Bytes()), image, StadiumState(image));
  if (image.Tables().Found()) std::cout << RoutineLines(RomRoutineNames(image, path, symbols));
  return ExitStatus::Success;
}

}  // namespace

void AddInfoCommand(CLI::App& app, CommandRun& run) {
  auto* command =
      app.add_subcommand("info", "Show the ROM's edition, header title, size and checksums, Stadium blocks included");
  auto path = std::make_shared<std::string>();
  auto symbols = std::make_shared<std::optional<std::string>>();
  command->add_option("ROM", *path, "ROM image")->required();
  command->add_option("--symbols", *symbols, "symbol file that names the ROM's routines (default: the ROM's name with .sym)")
      ->type_name("FILE");
  command->callback([&run, path, symbols] { run = [path, symbols] { return RunInfo(*path, *symbols); }; });
}
