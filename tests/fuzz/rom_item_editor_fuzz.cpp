// Any files and any sequence of Open (a supported ROM, another edition, a
// cancel, an unsupported or unreadable file), Load, field edits, Save and
// files replaced behind the editor's back, their tables moved or not, and
// names and descriptions changed as the tool changes them: nothing crashes,
// no file changes length, and a Save writes exactly what the fields showed
// into the item it was loaded as, only in a file of the edition it was
// loaded from, and only where that file's own code leads to its tables. A
// change of texts writes only inside the name list's room, the
// descriptions' room and their table, or nothing. Nothing else in any file
// changes.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>

#include "fuzz_file.h"
#include "items/item_encoding.h"
#include "items/item_image.h"
#include "items/item_table_finder.h"
#include "items/rom_item_editor.h"
#include "rom_builder.h"

namespace {

// Empty, header only, a 32 KiB cartridge, one that holds every table, and
// one that holds the names and descriptions too.
constexpr std::array<size_t, 6> kSizes{0, 0x150, 0x8000, 0xE800, 0x10000, RomBuilder::TwoMiB};

std::vector<uint8_t> MakeRom(FuzzedDataProvider& input) {
  RomBuilder rom(kSizes[input.ConsumeIntegralInRange<size_t>(0, kSizes.size() - 1)], input.ConsumeIntegral<uint8_t>());
  if (!input.ConsumeBool()) return rom.Bytes();
  const Edition& edition = EditionTable[input.ConsumeIntegralInRange<size_t>(0, EditionTable.size() - 1)];
  rom.WithEdition(edition);
  // A ROM hack's tables: anywhere in the image, the pointers in their code's bank.
  if (input.ConsumeBool()) rom.WithItemTableAt(edition, input.ConsumeIntegralInRange<int32_t>(0x4000, 0xF900));
  if (input.ConsumeBool()) rom.WithPointerTableAt(edition, input.ConsumeIntegralInRange<int32_t>(0xC000, 0xFE9A));
  return rom.Bytes();
}

std::string ConsumeText(FuzzedDataProvider& input) { return input.ConsumeRandomLengthString(8); }

// What the window holds between commands: the fields it shows, and the
// item and edition of the last Load that filled them.
struct Window {
  ItemFields shown;
  int loadedItem = 0;
  const Edition* loadedFrom = nullptr;
};

void Edit(Window& window, FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 6)) {
    case 0: window.shown.Price = ConsumeText(input); break;
    case 1: window.shown.Effect = ConsumeText(input); break;
    case 2: window.shown.Variable = ConsumeText(input); break;
    case 3: window.shown.Options = ConsumeText(input); break;
    case 4: window.shown.Pocket = input.ConsumeIntegral<int16_t>(); break;
    case 5: window.shown.How = ConsumeText(input); break;
    default: window.shown.ASM = ConsumeText(input);
  }
}

void Load(Window& window, RomItemEditor& editor, int16_t index) {
  const auto result = editor.LoadItem(index);
  Require(result.fields.has_value() == result.message.empty(), "a Load either shows an item or says why not");
  if (!result.fields) {
    window.loadedFrom = nullptr;
    return;
  }
  window.shown = *result.fields;
  window.loadedItem = index;
  window.loadedFrom = editor.OpenEdition();
}

// The item's bytes in the file are the encoded fields, at the item's place.
bool HoldsTheFields(const std::vector<uint8_t>& bytes, const ItemTables& tables, const Window& window) {
  const bool withAsm = HasAsmEntry(window.loadedItem);
  const auto encoded = EncodeItemFields(window.shown, withAsm);
  if (!encoded.bytes) return false;
  const ItemBytes& b = *encoded.bytes;
  std::string expected = b.price + b.effect + b.variable + b.options + b.pocket + b.how;
  std::string actual;
  auto hex = [&](int64_t at) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const uint8_t byte = bytes[static_cast<size_t>(at)];
    actual += {kDigits[byte >> 4], kDigits[byte & 0x0F]};
  };
  const int64_t record = RecordAddress(*tables.items, window.loadedItem);
  for (int64_t at = record; at < record + ItemRecordSize; ++at) hex(at);
  if (withAsm) {
    expected += b.asmPointer;
    const int64_t entry = AsmEntryAddress(*tables.pointers, window.loadedItem);
    for (int64_t at = entry; at < entry + AsmEntrySize; ++at) hex(at);
  }
  return actual == expected;
}

bool OnlyItemBytesChanged(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after,
                          const ItemTables& tables, const Window& window) {
  const int64_t record = RecordAddress(*tables.items, window.loadedItem);
  const int64_t entry = AsmEntryAddress(*tables.pointers, window.loadedItem);
  for (size_t i = 0; i < before.size(); ++i) {
    if (before[i] == after[i]) continue;
    const auto at = static_cast<int64_t>(i);
    const bool inRecord = at >= record && at < record + ItemRecordSize;
    const bool inEntry = HasAsmEntry(window.loadedItem) && at >= entry && at < entry + AsmEntrySize;
    if (!inRecord && !inEntry) return false;
  }
  return true;
}

void Save(const std::array<const FuzzFile*, 2>& files, const Window& window, RomItemEditor& editor) {
  const std::array before{files[0]->Bytes(), files[1]->Bytes()};
  const SaveOutcome outcome = editor.SaveItem(window.shown);
  const std::array after{files[0]->Bytes(), files[1]->Bytes()};
  for (size_t i = 0; i < files.size(); ++i) {
    Require(after[i].size() == before[i].size(), "a Save never changes a file's length");
  }
  if (outcome.kind != SaveOutcome::Kind::Saved) {
    Require(after == before, "a Save that does not succeed changes no byte");
    Require(!outcome.message.empty(), "a Save that does not succeed says why");
    return;
  }
  Require(window.loadedFrom != nullptr && window.loadedFrom == editor.OpenEdition(),
          "a Save writes only an item loaded from a file of the open edition");
  for (size_t i = 0; i < files.size(); ++i) {
    if (files[i]->Path() == editor.RomPath()) {
      const ItemTables tables = FindItemTables(before[i]);
      Require(tables.Found() && tables == editor.Tables(), "a Save writes only where the file's code leads, as at Open");
      Require(OnlyItemBytesChanged(before[i], after[i], tables, window), "a Save changes only its item's bytes");
      Require(HoldsTheFields(after[i], tables, window), "a Save writes what the fields showed");
    } else {
      Require(after[i] == before[i], "a Save changes no other file");
    }
  }
}

// Texts made of the games' letters and words, line breaks, and a character
// the games have none for.
std::string ConsumeGameText(FuzzedDataProvider& input) {
  static constexpr std::array<std::string_view, 8> kPieces{"A", "b", " ", "POKé", "'s", ".", "\n", "€"};
  std::string text;
  for (int length = input.ConsumeIntegralInRange(0, 24); length > 0; --length) {
    text += kPieces[input.ConsumeIntegralInRange<size_t>(0, kPieces.size() - 1)];
  }
  return text;
}

bool InSpan(size_t at, const FileSpan& span) { return span.Overlaps({static_cast<int64_t>(at), 1}); }

// The tool's way: the file read whole, its texts changed in memory, and
// what changed written back.
void EditTexts(const FuzzFile& file, FuzzedDataProvider& input) {
  const std::vector<uint8_t> before = file.Bytes();
  ItemImage image(Image(before));
  if (image.Problem() != EditorProblem::None) return;
  const ItemTexts texts = image.Texts();
  std::vector<ItemTextEdit> edits;
  for (int count = input.ConsumeIntegralInRange(1, 3); count > 0; --count) {
    ItemTextEdit& edit = edits.emplace_back();
    edit.item = input.ConsumeIntegralInRange(1, LastItem);
    if (input.ConsumeBool()) edit.name = ConsumeGameText(input);
    if (input.ConsumeBool()) edit.description = ConsumeGameText(input);
  }
  const TextOutcome outcome = image.StoreTexts(edits);
  const std::vector<uint8_t> after(image.Bytes().begin(), image.Bytes().end());
  if (!outcome.saved()) {
    Require(after == before, "a refused change of texts changes no byte");
    Require(!outcome.message.empty(), "a refused change of texts says why");
    return;
  }
  const auto names = texts.NameRoom() ? texts.NameRoom()->Room() : FileSpan{};
  for (const size_t at : DifferingOffsets(before, after)) {
    Require(InSpan(at, names) || InSpan(at, texts.Descriptions().room) || InSpan(at, texts.Descriptions().table),
            "a change of texts writes only inside their rooms and table");
  }
  file.Reset(after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFile first("first");
  static const FuzzFile second("second");
  const std::array<const FuzzFile*, 2> files{&first, &second};
  FuzzedDataProvider input(data, size);
  for (const FuzzFile* file : files) file->Reset(MakeRom(input));
  RomItemEditor editor;
  Window window;
  for (int step = 0; step < 12 && input.remaining_bytes() > 0; ++step) {
    switch (input.ConsumeIntegralInRange(0, 7)) {
      case 0:
        editor.OpenRom(files[input.ConsumeIntegralInRange<size_t>(0, 1)]->Path());
        break;
      case 1:
        editor.OpenRom(input.ConsumeBool() ? std::string() : first.Path() + ".missing");
        break;
      case 2:
        Load(window, editor, input.ConsumeIntegralInRange<int16_t>(-1, 256));
        break;
      case 3:
        Edit(window, input);
        break;
      case 4:
        // The file changes behind the editor's back: replaced or truncated.
        files[input.ConsumeIntegralInRange<size_t>(0, 1)]->Reset(MakeRom(input));
        break;
      case 7:
        EditTexts(*files[input.ConsumeIntegralInRange<size_t>(0, 1)], input);
        break;
      default:
        Save(files, window, editor);
    }
  }
  return 0;
}
