// Runs the benchmarks, then prints each command's ratio to its floor.
#include "target_report.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TargetReporter reporter({
      {"OpenRom, tables and names found, beside one read of the file", "BM_OpenRom", "BM_OpenRomFloor", std::nullopt,
       0.005},
      {"LoadItem", "BM_LoadItem", "BM_LoadItemFloor/plain", 1.3, std::nullopt},
      {"LoadItem beside a floor that checks the type before each open", "BM_LoadItem", "BM_LoadItemFloor/type_checked",
       1.3, std::nullopt},
      {"SaveItem", "BM_SaveItem", "BM_SaveItemFloor/plain", 1.3, std::nullopt},
      {"SaveItem beside a floor that checks the type before each open", "BM_SaveItem", "BM_SaveItemFloor/type_checked",
       1.3, std::nullopt},
      {"Export of 255 items, in process", "BM_Export", "BM_ExportFloor", std::nullopt, std::nullopt},
      {"Export of 255 items, whole kestrune-cli process", "BM_ExportProcess", "", std::nullopt, 0.020},
      {"Names and descriptions read at Open, 2 MiB in memory", "BM_ReadTexts", "", std::nullopt, 0.001},
      {"All 256 names and 198 descriptions written", "BM_WriteAllTexts", "", std::nullopt, 0.005},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.AnyFailed() ? 1 : 0;
}
