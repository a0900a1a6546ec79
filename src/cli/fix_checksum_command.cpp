#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/file_access.h"
#include "cli/rom_image.h"
#include "rom_io/rom_patch.h"

namespace {

// Writes the two checksum bytes and nothing else; the file keeps its length.
ExitStatus RunFixChecksum(const std::string& path) {
  const HeaderFacts header = ScanRomFile(path);
  RefuseNonGameBoyImage(path, header);
  if (header.globalStored == header.globalComputed) {
    std::cout << "The global checksum of " << Quoted(path) << " is already " << ChecksumText(header.globalStored)
              << ".\n";
    return ExitStatus::Success;
  }
  const BytePatch checksum{GlobalChecksumOffset,
                           {static_cast<uint8_t>(header.globalComputed >> 8),
                            static_cast<uint8_t>(header.globalComputed & 0xFF)}};
  if (const std::error_code error = PatchFile(path, {checksum})) throw FileError(CannotMessage("write", path, error));
  std::cout << "The global checksum of " << Quoted(path) << " was " << ChecksumText(header.globalStored)
            << " and is now " << ChecksumText(header.globalComputed) << ".\n";
  return ExitStatus::Success;
}

}  // namespace

void AddFixChecksumCommand(CLI::App& app, CommandRun& run) {
  auto* command = app.add_subcommand("fix-checksum", "Recompute the global checksum and write it into the header");
  auto path = std::make_shared<std::string>();
  command->add_option("ROM", *path, "ROM image")->required();
  command->callback([&run, path] { run = [path] { return RunFixChecksum(*path); }; });
}
