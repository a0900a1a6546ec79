// What a user waits for in the window: opening a ROM, loading an item and
// saving it, each beside the floor of its file pattern.
#include <benchmark/benchmark.h>

#include "bench_rom.h"
#include "file_pattern_floor.h"
#include "items/rom_item_editor.h"

namespace {

// An item with a pointer entry, so that a Save writes all nine bytes.
constexpr int16_t BenchItem = 100;

void BM_OpenRom(benchmark::State& state) {
  const BenchRom rom;
  RomItemEditor editor;
  const std::string path = rom.Path();
  for (auto _ : state) benchmark::DoNotOptimize(editor.OpenRom(path));
}
BENCHMARK(BM_OpenRom);

void BM_OpenRomFloor(benchmark::State& state) {
  const BenchRom rom;
  const std::string path = rom.Path();
  for (auto _ : state) benchmark::DoNotOptimize(FileFloor::ReadWholeFile(path));
}
BENCHMARK(BM_OpenRomFloor);

void BM_LoadItem(benchmark::State& state) {
  const BenchRom rom;
  RomItemEditor editor;
  editor.OpenRom(rom.Path());
  if (!editor.LoadItem(BenchItem).fields) return state.SkipWithError("Load was refused");
  for (auto _ : state) benchmark::DoNotOptimize(editor.LoadItem(BenchItem));
}
BENCHMARK(BM_LoadItem);

void BM_LoadItemFloor(benchmark::State& state, FileFloor::TypeCheck check) {
  const BenchRom rom;
  const std::string path = rom.Path();
  for (auto _ : state) benchmark::DoNotOptimize(FileFloor::LoadItem(path, BenchRom::TheEdition(), BenchItem, check));
}
BENCHMARK_CAPTURE(BM_LoadItemFloor, plain, FileFloor::TypeCheck::None);
BENCHMARK_CAPTURE(BM_LoadItemFloor, type_checked, FileFloor::TypeCheck::BeforeEachOpen);

void BM_SaveItem(benchmark::State& state) {
  const BenchRom rom;
  RomItemEditor editor;
  editor.OpenRom(rom.Path());
  const auto loaded = editor.LoadItem(BenchItem).fields;
  if (!loaded || !editor.SaveItem(*loaded).saved()) return state.SkipWithError("Load or Save was refused");
  const ItemFields fields = *loaded;
  for (auto _ : state) benchmark::DoNotOptimize(editor.SaveItem(fields));
}
BENCHMARK(BM_SaveItem);

void BM_SaveItemFloor(benchmark::State& state, FileFloor::TypeCheck check) {
  const BenchRom rom;
  const std::string path = rom.Path();
  for (auto _ : state) benchmark::DoNotOptimize(FileFloor::SaveItem(path, BenchRom::TheEdition(), BenchItem, check));
}
BENCHMARK_CAPTURE(BM_SaveItemFloor, plain, FileFloor::TypeCheck::None);
BENCHMARK_CAPTURE(BM_SaveItemFloor, type_checked, FileFloor::TypeCheck::BeforeEachOpen);

}  // namespace
