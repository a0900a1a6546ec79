#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/rom_image.h"
#include "items/rom_item_editor.h"

namespace {

template <typename Sum>
std::string Checksums(Sum stored, Sum computed) {
  return "stored " + ChecksumText(stored) + ", computed " + ChecksumText(computed) +
         (stored == computed ? " (equal)" : " (different)");
}

ExitStatus RunInfo(const std::string& path) {
  const HeaderFacts header = ScanRomFile(path);
  // The label comes from the core, exactly as the window shows it.
  RomItemEditor editor;
  const std::string label = editor.OpenRom(path).label;
  const auto dump = KnownDumpName(header.sha1);

  std::cout << "Edition          " << label << "\n"
            << "Title            " << header.Title() << "\n"
            << "Game code        " << header.GameCode() << "\n"
            << "Size             " << header.size << " bytes\n"
            << "Header checksum  " << Checksums(header.headerStored, header.headerComputed) << "\n"
            << "Global checksum  " << Checksums(header.globalStored, header.globalComputed) << "\n"
            << "Known dump       " << (dump ? std::string(*dump) + " (clean)" : "none") << "\n";
  return ExitStatus::Success;
}

}  // namespace

void AddInfoCommand(CLI::App& app, CommandRun& run) {
  auto* command = app.add_subcommand("info", "Show the ROM's edition, header title, size and checksums");
  auto path = std::make_shared<std::string>();
  command->add_option("ROM", *path, "ROM image")->required();
  command->callback([&run, path] { run = [path] { return RunInfo(*path); }; });
}
