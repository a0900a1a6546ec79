#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// What a benchmark is held to: a ratio to its floor, a time, or both.
struct BenchTarget {
  std::string label;
  std::string benchmark;
  std::string floor;  // empty: no floor to compare with
  std::optional<double> maxRatio;
  std::optional<double> maxSeconds;
};

// Shows the usual console table, then one line per target with the median
// real times, the ratio to the floor and whether the target was met. Times
// are only printed: a slow machine fails nothing.
class TargetReporter : public benchmark::ConsoleReporter {
 public:
  explicit TargetReporter(std::vector<BenchTarget> targets) : targets_(std::move(targets)) {}

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;
  // Whether a benchmark stopped with an error, so that its numbers mean nothing.
  bool AnyFailed() const { return anyFailed_; }

 private:
  std::optional<double> MedianSeconds(const std::string& benchmark) const;
  void PrintTarget(const BenchTarget& target) const;

  std::vector<BenchTarget> targets_;
  std::map<std::string, std::vector<double>> runSeconds_;
  std::map<std::string, double> medianSeconds_;
  bool anyFailed_ = false;
};
