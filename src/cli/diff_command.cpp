#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "exchange/item_values.h"
#include "exchange/rom_session.h"

namespace {

struct DiffOptions {
  std::string romA;
  std::string romB;
};

// Item by item, so that ROMs of different editions compare too.
ExitStatus RunDiff(const DiffOptions& options) {
  const RomSession a(options.romA);
  const RomSession b(options.romB);
  bool differs = false;
  for (int item = 1; item <= LastItem; ++item) {
    const ItemValues before = a.LoadValues(item);
    const ItemValues after = b.LoadValues(item);
    for (const FieldChange& change : Changes(item, before, after)) {
      std::cout << FormatChange(change, a.Names()[static_cast<size_t>(item)]) << "\n";
      differs = true;
    }
  }
  return differs ? ExitStatus::DifferencesFound : ExitStatus::Success;
}

}  // namespace

void AddDiffCommand(CLI::App& app, CommandRun& run) {
  auto* command = app.add_subcommand("diff", "List every item field that differs between two ROMs");
  auto options = std::make_shared<DiffOptions>();
  command->add_option("ROM_A", options->romA, "first ROM image")->required();
  command->add_option("ROM_B", options->romB, "second ROM image")->required();
  command->callback([&run, options] { run = [options] { return RunDiff(*options); }; });
}
