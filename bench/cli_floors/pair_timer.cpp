// Runs a command and its floor alternately, each pair in the other order
// from the last, and prints their median wall times, the ratio of the
// medians, the median of the pairs' own ratios (which a change of load in
// the middle of a run sways less) and the command's peak resident memory.
// Targets are printed beside the numbers; nothing fails on them.
// Usage: pair_timer LABEL RUNS MAX_RATIO MAX_PEAK_KIB COMMAND... -- FLOOR...
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double seconds = 0;
  long peakKib = 0;
};

// Standard output goes nowhere, so that the terminal costs nothing.
Run RunOnce(std::vector<char*> argv) {
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    std::perror(argv[0]);
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
    std::fprintf(stderr, "%s ended with status %d\n", argv[0], status);
    std::exit(1);
  }
  return {elapsed.count(), usage.ru_maxrss};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const auto split = std::find(argv + 5, argv + argc, std::string("--"));
  if (argc < 8 || split == argv + argc) {
    std::fprintf(stderr, "usage: %s LABEL RUNS MAX_RATIO MAX_PEAK_KIB COMMAND... -- FLOOR...\n", argv[0]);
    return 2;
  }
  const std::string label = argv[1];
  const int runs = std::max(1, std::atoi(argv[2]));
  const double maxRatio = std::atof(argv[3]);
  const long maxPeakKib = std::atol(argv[4]);
  const std::vector<char*> command(argv + 5, split), floor(split + 1, argv + argc);

  std::vector<double> commandTimes, floorTimes, pairRatios;
  long peakKib = 0;
  for (int i = 0; i < runs; ++i) {
    const bool commandFirst = i % 2 == 0;
    const Run first = RunOnce(commandFirst ? command : floor);
    const Run second = RunOnce(commandFirst ? floor : command);
    const Run& ofCommand = commandFirst ? first : second;
    const Run& ofFloor = commandFirst ? second : first;
    commandTimes.push_back(ofCommand.seconds);
    floorTimes.push_back(ofFloor.seconds);
    pairRatios.push_back(ofCommand.seconds / ofFloor.seconds);
    peakKib = std::max(peakKib, ofCommand.peakKib);
  }
  const double ratio = Median(commandTimes) / Median(floorTimes);
  const double pairRatio = Median(pairRatios);
  std::printf("%-34s %8.2f ms %8.2f ms %7.2fx %7.2fx (<= %.1fx %s) %7.1f MiB (<= %.1f MiB %s)\n", label.c_str(),
              Median(commandTimes) * 1e3, Median(floorTimes) * 1e3, ratio, pairRatio, maxRatio,
              pairRatio <= maxRatio ? "met" : "MISSED", static_cast<double>(peakKib) / 1024,
              static_cast<double>(maxPeakKib) / 1024, peakKib <= maxPeakKib ? "met" : "MISSED");
  return 0;
}
