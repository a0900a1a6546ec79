#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "cli/binary_console.h"
#include "cli/commands.h"

namespace {

int Status(ExitStatus status) { return static_cast<int>(status); }

int Run(int argc, char** argv) {
  CLI::App app("Edits the item data of Pokémon Gold, Silver and Crystal ROM images.", "kestrune-cli");
  app.set_version_flag("--version", KESTRUNE_VERSION_TEXT);
  app.require_subcommand(1);
  CommandRun run;
  AddInfoCommand(app, run);
  AddShowCommand(app, run);
  AddSetCommand(app, run);
  AddExportCommand(app, run);
  AddImportCommand(app, run);
  AddDiffCommand(app, run);
  AddFixChecksumCommand(app, run);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // Help and version print and succeed; every other parse error is bad usage.
    const int helpStatus = app.exit(error);
    return error.get_exit_code() == 0 ? helpStatus : Status(ExitStatus::InvalidInput);
  }
  return Status(run());
}

}  // namespace

int main(int argc, char** argv) {
  UseBinaryConsole();
  try {
    return Run(argc, argv);
  } catch (const CliError& error) {
    std::cerr << error.what() << "\n";
    return Status(error.Status());
  } catch (const std::exception& error) {
    std::cerr << "Stopped by an unexpected error: " << error.what() << "\n";
    return Status(ExitStatus::FileError);
  } catch (...) {
    return Status(ExitStatus::FileError);
  }
}
