#pragma once

#include <CLI/CLI.hpp>
#include <functional>

#include "cli/cli_error.h"

// Each command adds its subcommand, options and help to the tool. When the
// user picks it, its callback hands `run` the work to do, which prints its
// results on stdout and returns the exit status or throws a CliError.
using CommandRun = std::function<ExitStatus()>;

void AddInfoCommand(CLI::App& app, CommandRun& run);
void AddShowCommand(CLI::App& app, CommandRun& run);
void AddSetCommand(CLI::App& app, CommandRun& run);
void AddExportCommand(CLI::App& app, CommandRun& run);
void AddImportCommand(CLI::App& app, CommandRun& run);
void AddDiffCommand(CLI::App& app, CommandRun& run);
void AddFixChecksumCommand(CLI::App& app, CommandRun& run);
