#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <iostream>

#include "cli/command_suggestion.h"
#include "cli/commands.h"
#include "exchange/console.h"
#include "exchange/file_access.h"

namespace {

int Status(ExitStatus status) { return static_cast<int>(status); }

// Checked before parsing, so that a misspelt command gets a suggestion
// rather than a list of unexpected arguments.
void RefuseUnknownCommand(const CLI::App& app, int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return;
  std::vector<std::string> commands;
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    commands.push_back(command->get_name());
  }
  if (std::find(commands.begin(), commands.end(), argv[1]) == commands.end()) {
    throw InvalidInput(UnknownCommandMessage(argv[1], commands));
  }
}

int Run(int argc, char** argv) {
  CLI::App app("Edits the item data of Pokémon Gold, Silver and Crystal ROM images.", "kestrune-cli");
  app.set_version_flag("--version", KESTRUNE_VERSION_TEXT);
  // Options are -x and --xx everywhere: on Windows too, "/" starts a path.
  app.allow_windows_style_options(false);
  app.require_subcommand(1);
  CommandRun run;
  AddInfoCommand(app, run);
  AddShowCommand(app, run);
  AddSetCommand(app, run);
  AddExportCommand(app, run);
  AddImportCommand(app, run);
  AddDiffCommand(app, run);
  AddFixChecksumCommand(app, run);

  RefuseUnknownCommand(app, argc, argv);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // Help and version print and succeed; every other parse error is bad usage.
    const int helpStatus = app.exit(error);
    return error.get_exit_code() == 0 ? helpStatus : Status(ExitStatus::InvalidInput);
  }
  WatchStandardOutput();
  const ExitStatus status = run();
  FlushStandardOutput();
  return Status(status);
}

}  // namespace

int main(int argc, char** argv) {
  HoldClosedStandardStreams();
  UseBinaryConsole();
  try {
    return Run(argc, argv);
  } catch (const CliError& error) {
    std::cerr << error.what() << "\n";
    return Status(error.Status());
  } catch (const Refused& refused) {
    std::cerr << refused.what() << "\n";
    return Status(StatusOf(refused.Why()));
  } catch (const std::ios_base::failure&) {
    // The reason is read first, before anything else can change it.
    const Refusal refusal = StandardOutputError();
    // The final flush at exit must not throw again.
    std::cout.exceptions(std::ios::goodbit);
    std::cerr << Words(refusal) << "\n";
    return Status(StatusOf(refusal));
  } catch (const std::exception& error) {
    std::cerr << "Stopped by an unexpected error: " << error.what() << "\n";
    return Status(ExitStatus::FileError);
  } catch (...) {
    return Status(ExitStatus::FileError);
  }
}
