#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/item_text.h"
#include "exchange/item_argument.h"
#include "exchange/rom_session.h"

namespace {

struct ShowOptions {
  std::string rom;
  std::string item;
  std::optional<std::string> symbols;
};

ExitStatus RunShow(const ShowOptions& options) {
  const RomSession session(options.rom, options.symbols);
  std::cerr << SymbolFileWarning(session.Routines());
  const int item = ParseItem(options.item, session.Names(), session.Spellings());
  std::cout << FormatItem(item, session.Names()[static_cast<size_t>(item)], session.Load(item), session.Routines());
  return ExitStatus::Success;
}

}  // namespace

void AddShowCommand(CLI::App& app, CommandRun& run) {
  auto* command = app.add_subcommand("show", "Show one item's fields and what its bytes mean");
  auto options = std::make_shared<ShowOptions>();
  command->add_option("ROM", options->rom, "ROM image")->required();
  command->add_option("ITEM", options->item, "item number (1-255) or name")->required();
  command->add_option("--symbols", options->symbols, "symbol file that names the ROM's routines (default: the ROM's name with .sym)")
      ->type_name("FILE");
  command->callback([&run, options] { run = [options] { return RunShow(*options); }; });
}
