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
    const ItemRecord before = a.Load(item);
    const ItemRecord after = b.Load(item);
    std::vector<FieldChange> changes = Changes(item, before, after);
    for (const auto& change : {TextChange(item, NameKey, before.name, after.name),
                               TextChange(item, DescriptionKey, before.description, after.description)}) {
      if (change) changes.push_back(*change);
    }
    for (const FieldChange& change : changes) {
      std::cout << FormatChange(change, a.Names()[static_cast<size_t>(item)]) << "\n";
      differs = true;
    }
  }
  return differs ? ExitStatus::DifferencesFound : ExitStatus::Success;
}

}  // namespace

void AddDiffCommand(CLI::App& app, CommandRun& run) {
  auto* command = app.add_subcommand("diff", "List every item field, name and description that differs between two ROMs");
  auto options = std::make_shared<DiffOptions>();
  command->add_option("ROM_A", options->romA, "first ROM image")->required();
  command->add_option("ROM_B", options->romB, "second ROM image")->required();
  command->callback([&run, options] { run = [options] { return RunDiff(*options); }; });
}
