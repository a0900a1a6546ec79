// Any file and any sequence of Open, Load and Save: nothing crashes, a Save
// that does not succeed changes no byte, one that does changes only its
// item's record and pointer entry, and the file's length never changes.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>

#include "fuzz_file.h"
#include "items/rom_item_editor.h"
#include "rom_builder.h"

namespace {

// Empty, header only, a 32 KiB cartridge, and one that holds every table.
constexpr std::array<size_t, 5> kSizes{0, 0x150, 0x8000, 0xE800, 0x10000};

std::vector<uint8_t> MakeRom(FuzzedDataProvider& input) {
  RomBuilder rom(kSizes[input.ConsumeIntegralInRange<size_t>(0, kSizes.size() - 1)], input.ConsumeIntegral<uint8_t>());
  if (input.ConsumeBool())
    rom.WithEdition(EditionTable[input.ConsumeIntegralInRange<size_t>(0, EditionTable.size() - 1)]);
  return rom.Bytes();
}

bool OnlyItemBytesChanged(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after,
                          const RomItemEditor& editor) {
  const int item = std::stoi(editor.ItemIndexText());
  const int64_t record = RecordAddress(editor.ItemTableBase(), item);
  const int64_t entry = AsmEntryAddress(editor.AsmTableBase(), item);
  for (size_t i = 0; i < before.size(); ++i) {
    if (before[i] == after[i]) continue;
    const auto at = static_cast<int64_t>(i);
    const bool inRecord = at >= record && at < record + ItemRecordSize;
    const bool inEntry = HasAsmEntry(item) && at >= entry && at < entry + AsmEntrySize;
    if (!inRecord && !inEntry) return false;
  }
  return true;
}

ItemFields ConsumeFields(FuzzedDataProvider& input) {
  ItemFields fields;
  for (std::string* text :
       {&fields.Price, &fields.Effect, &fields.Variable, &fields.Options, &fields.How, &fields.ASM}) {
    *text = input.ConsumeRandomLengthString(8);
  }
  fields.Pocket = input.ConsumeIntegral<int16_t>();
  return fields;
}

void Save(const FuzzFile& file, RomItemEditor& editor, FuzzedDataProvider& input) {
  const auto before = file.Bytes();
  const SaveOutcome outcome = editor.SaveItem(ConsumeFields(input));
  const auto after = file.Bytes();
  Require(after.size() == before.size(), "a Save never changes the file's length");
  if (outcome.kind == SaveOutcome::Kind::Saved) {
    Require(OnlyItemBytesChanged(before, after, editor), "a Save changes only its item's bytes");
  } else {
    Require(after == before, "a Save that does not succeed changes no byte");
    Require(!outcome.message.empty(), "a Save that does not succeed says why");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFile file;
  FuzzedDataProvider input(data, size);
  file.Reset(MakeRom(input));
  RomItemEditor editor;
  for (int step = 0; step < 8 && input.remaining_bytes() > 0; ++step) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
      case 0:
        editor.OpenRom(input.ConsumeBool() ? file.Path() : "");
        break;
      case 1:
        editor.LoadItem(input.ConsumeIntegral<int16_t>());
        break;
      case 2:
        editor.LoadItem(input.ConsumeIntegralInRange<int16_t>(-1, 256));
        break;
      default:
        Save(file, editor, input);
    }
  }
  return 0;
}
