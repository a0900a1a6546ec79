// The item names and descriptions: reading them at Open, and writing every
// one of them at once.
#include <benchmark/benchmark.h>

#include "bench_rom.h"
#include "items/item_names.h"
#include "items/item_texts.h"

namespace {

std::vector<uint8_t> TwoMiBRom() { return RomBuilder().WithEdition(BenchRom::TheEdition()).Bytes(); }

void BM_ReadTexts(benchmark::State& state) {
  const std::vector<uint8_t> rom = TwoMiBRom();
  for (auto _ : state) benchmark::DoNotOptimize(ItemTexts(rom));
}
BENCHMARK(BM_ReadTexts);

// Every item takes the name and description of the item after it, so the
// texts still fill their rooms: all 256 names and 198 descriptions are laid
// out again, and the re-read of both follows.
void BM_WriteAllTexts(benchmark::State& state) {
  std::vector<uint8_t> rom = TwoMiBRom();
  ItemTexts texts(rom);
  const std::vector<std::string_view> names(ItemNames.begin(), ItemNames.end());
  for (auto _ : state) {
    std::vector<ItemTextEdit> edits;
    for (int item = 1; item <= LastItem; ++item) {
      const int next = item % LastItem + 1, described = item % LastItemWithDescription + 1;
      edits.push_back({item, texts.Name(next),
                       HasDescription(item) ? texts.Description(described) : std::nullopt});
    }
    if (!texts.Store(rom, edits, names).saved()) return state.SkipWithError("the texts were refused");
  }
}
BENCHMARK(BM_WriteAllTexts);

}  // namespace
