// What a user waits for: opening a ROM, loading an item and saving it. Every
// byte goes through its own open and close, so these measure file-system cost.
#include <benchmark/benchmark.h>

#include "items/rom_item_editor.h"
#include "rom_builder.h"

namespace {

class OpenGoldRom {
 public:
  OpenGoldRom() {
    RomBuilder().WithEdition(EditionTable[0]).WriteTo(dir_.Path("rom.gbc"));
    editor_.OpenRom(dir_.Path("rom.gbc").string());
  }
  RomItemEditor& Editor() { return editor_; }
  std::string Path() const { return dir_.Path("rom.gbc").string(); }

 private:
  TempDir dir_;
  RomItemEditor editor_;
};

void BM_OpenRom(benchmark::State& state) {
  OpenGoldRom rom;
  for (auto _ : state) benchmark::DoNotOptimize(rom.Editor().OpenRom(rom.Path()));
}
BENCHMARK(BM_OpenRom);

void BM_LoadItem(benchmark::State& state) {
  OpenGoldRom rom;
  for (auto _ : state) benchmark::DoNotOptimize(rom.Editor().LoadItem(100));
}
BENCHMARK(BM_LoadItem);

void BM_SaveItem(benchmark::State& state) {
  OpenGoldRom rom;
  const ItemFields fields = *rom.Editor().LoadItem(100).fields;
  for (auto _ : state) benchmark::DoNotOptimize(rom.Editor().SaveItem(fields));
}
BENCHMARK(BM_SaveItem);

}  // namespace
