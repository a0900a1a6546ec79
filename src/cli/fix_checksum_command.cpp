#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/file_access.h"
#include "cli/rom_header.h"
#include "rom_io/hex_functions.h"
#include "rom_io/rom_file.h"

namespace {

// Writes the two checksum bytes in place and nothing else; the file keeps
// its length.
ExitStatus RunFixChecksum(const std::string& path) {
  const std::vector<uint8_t> rom = ReadRomImage(path);
  const HeaderFacts header = ReadHeader(rom);
  if (header.globalStored == header.globalComputed) {
    std::cout << "The global checksum of " << Quoted(path) << " is already " << ChecksumText(header.globalStored)
              << ".\n";
    return ExitStatus::Success;
  }
  if (!OpensForWriting(path)) {
    throw FileError("Cannot write " + Quoted(path) + ": the file cannot be opened for writing.");
  }
  const std::string bigEndian = HexFunctions::ByteToHex(static_cast<uint8_t>(header.globalComputed >> 8)) +
                                HexFunctions::ByteToHex(static_cast<uint8_t>(header.globalComputed & 0xFF));
  if (HexFunctions::WriteHexBytes(path, static_cast<int32_t>(GlobalChecksumOffset), bigEndian) != 2) {
    throw FileError("Cannot write the global checksum into " + Quoted(path) + "; it may now be half written.");
  }
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
