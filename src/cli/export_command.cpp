#include <iostream>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/item_text.h"
#include "exchange/all_items.h"
#include "exchange/file_access.h"
#include "exchange/item_export.h"
#include "exchange/rom_session.h"

namespace {

struct ExportOptions {
  std::string rom;
  std::string format = "csv";
  std::optional<std::string> output;
  std::optional<std::string> symbols;
};

// "-" is standard output, as in most tools; an empty name is a mistake, such
// as an unset shell variable, and no file.
std::optional<std::string> OutputFile(const std::optional<std::string>& output) {
  if (output && output->empty()) {
    throw InvalidInput("-o is given an empty value: give a file name, or - for standard output.");
  }
  return output == "-" ? std::nullopt : output;
}

ExitStatus RunExport(const ExportOptions& options) {
  const std::optional<std::string> output = OutputFile(options.output);
  if (output) RefuseOutputOverInput(*output, options.rom);
  const RomSession session(options.rom, options.symbols);
  std::cerr << SymbolFileWarning(session.Routines());
  const std::vector<ItemRow> rows = AllItemRows(session);
  const std::string text =
      options.format == "json" ? ExportJson(rows, session.RomEdition()) : ExportCsv(rows, session.RomEdition());
  if (output) {
    WriteTextFile(*output, text);
  } else {
    std::cout << text;
  }
  return ExitStatus::Success;
}

}  // namespace

void AddExportCommand(CLI::App& app, CommandRun& run) {
  auto* command = app.add_subcommand("export", "Write all items 1-255 as CSV or JSON");
  auto options = std::make_shared<ExportOptions>();
  command->add_option("ROM", options->rom, "ROM image")->required();
  command->add_option("--format", options->format, "csv (the default) or json")->check(CLI::IsMember({"csv", "json"}));
  command->add_option("-o,--output", options->output, "file to write instead of standard output (-: standard output)");
  command->add_option("--symbols", options->symbols, "symbol file that names the ROM's routines (default: the ROM's name with .sym)")
      ->type_name("FILE");
  command->callback([&run, options] { run = [options] { return RunExport(*options); }; });
}
