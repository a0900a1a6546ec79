#include "target_report.h"

#include <algorithm>
#include <cstdio>

namespace {

double Seconds(const benchmark::BenchmarkReporter::Run& run) {
  return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Microseconds below a millisecond, milliseconds above.
std::string Readable(double seconds) {
  char text[32];
  if (seconds < 1e-3) {
    std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
  } else {
    std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
  }
  return text;
}

}  // namespace

void TargetReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) {
      anyFailed_ = true;
      continue;
    }
    const std::string& name = run.run_name.function_name;
    if (run.run_type == Run::RT_Iteration) runSeconds_[name].push_back(Seconds(run));
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") medianSeconds_[name] = Seconds(run);
  }
}

std::optional<double> TargetReporter::MedianSeconds(const std::string& benchmark) const {
  if (const auto median = medianSeconds_.find(benchmark); median != medianSeconds_.end()) return median->second;
  if (const auto runs = runSeconds_.find(benchmark); runs != runSeconds_.end()) return Median(runs->second);
  return std::nullopt;
}

void TargetReporter::PrintTarget(const BenchTarget& target) const {
  const auto measured = MedianSeconds(target.benchmark);
  if (!measured) return;
  std::string line = target.label + ": " + Readable(*measured);
  bool met = true;
  if (const auto floor = target.floor.empty() ? std::nullopt : MedianSeconds(target.floor)) {
    const double ratio = *measured / *floor;
    char text[96];
    std::snprintf(text, sizeof text, ", floor %s, ratio %.2fx", Readable(*floor).c_str(), ratio);
    line += text;
    if (target.maxRatio) {
      std::snprintf(text, sizeof text, " (target <= %.2fx)", *target.maxRatio);
      line += text;
      met = met && ratio <= *target.maxRatio;
    }
  }
  if (target.maxSeconds) {
    line += " (target < " + Readable(*target.maxSeconds) + ")";
    met = met && *measured < *target.maxSeconds;
  }
  if (target.maxRatio || target.maxSeconds) line += met ? "  met" : "  MISSED";
  std::printf("%s\n", line.c_str());
}

void TargetReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\nMedian real times, each against its floor and target:\n");
  for (const BenchTarget& target : targets_) PrintTarget(target);
  std::fflush(stdout);
}
