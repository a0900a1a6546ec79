#include <cassert>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/file_access.h"
#include "cli/rom_image.h"
#include "items/rom_item_editor.h"
#include "rom_io/checksum_fix.h"

namespace {

constexpr size_t kValueColumn = 19;

// Labels stand in a column of their own.
std::string Line(const std::string& label, const std::string& value) {
  assert(label.size() < kValueColumn);
  return label + std::string(kValueColumn - label.size(), ' ') + value + "\n";
}

std::string StadiumLine(const std::string& path, const HeaderFacts& header) {
  const StadiumBlocks blocks = StadiumBlocksOf(path);
  if (blocks == StadiumBlocks::None) return Line("Stadium checksums", "none");
  const ChecksumFix check = FixChecksums(path, header, blocks, ChecksumWrite::DryRun);
  if (check.error) throw FileError(CannotMessage("read", path, check.error));
  const int halves = check.refresh.halfBanksChanged;
  const std::string state = !check.refresh.blocksChanged ? "current"
                            : halves == 0                ? "stale (run fix-checksum)"
                                                         : "stale (" + std::to_string(halves) +
                                                (halves == 1 ? " half-bank" : " half-banks") + "; run fix-checksum)";
  return Line("Stadium checksums", state);
}

template <typename Sum>
std::string Checksums(Sum stored, Sum computed) {
  return "stored " + ChecksumText(stored) + ", computed " + ChecksumText(computed) +
         (stored == computed ? " (equal)" : " (different)");
}

ExitStatus RunInfo(const std::string& path) {
  const HeaderFacts header = ScanRomFile(path);
  // The label comes from the core, exactly as the window shows it.
  RomItemEditor editor;
  const RomItemEditor::OpenResult opened = editor.OpenRom(path);
  const auto dump = KnownDumpName(header.sha1);

  std::cout << Line("Edition", opened.label);
  for (const TablePlace& place : opened.tablePlaces) std::cout << Line(place.table, place.place);
  std::cout << Line("Title", header.Title()) << Line("Game code", header.GameCode())
            << Line("Size", std::to_string(header.size) + " bytes")
            << Line("Header checksum", Checksums(header.headerStored, header.headerComputed))
            << Line("Global checksum", Checksums(header.globalStored, header.globalComputed))
            << StadiumLine(path, header) << Line("Known dump", dump ? std::string(*dump) + " (clean)" : "none");
  return ExitStatus::Success;
}

}  // namespace

void AddInfoCommand(CLI::App& app, CommandRun& run) {
  auto* command =
      app.add_subcommand("info", "Show the ROM's edition, header title, size and checksums, Stadium blocks included");
  auto path = std::make_shared<std::string>();
  command->add_option("ROM", *path, "ROM image")->required();
  command->callback([&run, path] { run = [path] { return RunInfo(*path); }; });
}
