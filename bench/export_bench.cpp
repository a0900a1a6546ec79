// The export of all 255 items: inside the process beside the floor of
// reading both tables with one open, and as the whole kestrune-cli process
// that a script waits for.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <array>

#include "bench_rom.h"
#include "cli/commands.h"
#include "file_pattern_floor.h"

extern char** environ;

namespace {

ExitStatus RunExport(const std::string& rom, const std::string& output) {
  CLI::App app;
  CommandRun run;
  AddExportCommand(app, run);
  std::array<std::string, 5> args{"kestrune-cli", "export", rom, "-o", output};
  std::array<char*, args.size()> argv{};
  for (size_t i = 0; i < args.size(); ++i) argv[i] = args[i].data();
  app.parse(static_cast<int>(argv.size()), argv.data());
  return run();
}

int SpawnExport(const std::string& rom, const std::string& output) {
  std::array<std::string, 5> args{KESTRUNE_CLI_PATH, "export", rom, "-o", output};
  std::array<char*, args.size() + 1> argv{};
  for (size_t i = 0; i < args.size(); ++i) argv[i] = args[i].data();
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

void BM_Export(benchmark::State& state) {
  const BenchRom rom;
  const std::string output = rom.PathOf("items.csv");
  for (auto _ : state) benchmark::DoNotOptimize(RunExport(rom.Path(), output));
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

void BM_ExportFloor(benchmark::State& state) {
  const BenchRom rom;
  const std::string path = rom.Path();
  for (auto _ : state) benchmark::DoNotOptimize(FileFloor::ReadItemTables(path, BenchRom::TheEdition()));
}
BENCHMARK(BM_ExportFloor)->Unit(benchmark::kMillisecond);

void BM_ExportProcess(benchmark::State& state) {
  const BenchRom rom;
  const std::string output = rom.PathOf("items.csv");
  for (auto _ : state) {
    if (SpawnExport(rom.Path(), output) != 0) {
      state.SkipWithError("kestrune-cli export failed");
      break;
    }
  }
}
BENCHMARK(BM_ExportProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
