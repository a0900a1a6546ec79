#include "items/rom_item_editor.h"

#include <algorithm>
#include <charconv>

#include "items/field_codec.h"
#include "items/item_encoding.h"
#include "rom_io/file_image.h"
#include "rom_io/hex_functions.h"
#include "rom_io/rom_file.h"

using HexFunctions::ReadHexBytes;
using HexFunctions::WriteHexBytes;

namespace {

std::string HexToText(const std::string& hex) {
  std::string text;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    unsigned value = 0;
    std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
    text += static_cast<char>(value);
  }
  return text;
}

// The tables of the file at `path` as it is now; none when it cannot be read.
ItemTables TablesInFile(const std::string& path) {
  const auto image = ReadFileImage(path, LargestRomSize);
  return image ? FindItemTables(*image) : ItemTables{};
}

SaveOutcome Outcome(SaveOutcome::Kind kind, EditorProblem problem, const ProblemDetails& details) {
  return {kind, DescribeProblem(problem, details), problem, details.cause};
}

}  // namespace

std::string RomItemEditor::ReadGameCode() const {
  return HexToText(ReadHexBytes(romPath_, GameCodeOffset, GameCodeLength));
}

ProblemDetails RomItemEditor::Details(int item, bool saving, std::error_code cause) const {
  ProblemDetails details;
  details.path = romPath_;
  details.cause = cause;
  details.item = item;
  if (HasItemRecord(item)) details.itemName = names_[static_cast<size_t>(item)];
  details.itemTableMissing = !tables_.items;
  details.pointerTableMissing = !tables_.pointers;
  if (loadedEdition_ != nullptr) details.loadedEdition = loadedEdition_->label;
  if (edition_ != nullptr) details.openEdition = edition_->label;
  details.saving = saving;
  return details;
}

RomItemEditor::OpenResult RomItemEditor::OpenRom(const std::string& path) {
  romPath_ = path;
  versionByte_ = ReadHexBytes(romPath_, EditionByteOffset, 1);
  edition_ = FindEdition(versionByte_, ReadGameCode());
  names_ = {};
  OpenResult result;
  if (edition_ == nullptr) {
    result.label = UnsupportedRomLabel;
    // A cancelled dialog gives no path: that is no failure to speak of.
    result.cause = path.empty() ? std::error_code() : ReadProblem(path);
    if (result.cause) {
      result.problem = EditorProblem::CannotRead;
      result.message = DescribeProblem(result.problem, Details(0, false, result.cause));
    }
    return result;
  }
  // One read of the whole file finds the tables and the names.
  tables_ = {};
  if (const auto image = ReadFileImage(romPath_, LargestRomSize)) {
    tables_ = FindItemTables(*image);
    names_ = ItemNameList(*edition_, *image);
  }
  result.label = edition_->label;
  result.enableFrames = true;
  result.tablePlaces = DescribeTablePlaces(*edition_, tables_);
  if (!tables_.Found()) {
    result.problem = EditorProblem::TablesNotFound;
    result.message = DescribeProblem(result.problem, Details(0, false));
  }
  return result;
}

RomItemEditor::LoadResult RomItemEditor::LoadItem(int16_t listIndex) {
  itemIndexText_ = std::to_string(listIndex);
  loadedEdition_ = nullptr;
  const int item = listIndex;
  const bool enableAsmFrame = item <= LastItemWithAsm;
  auto refuse = [&](EditorProblem problem, std::error_code cause = {}) {
    return LoadResult{std::nullopt, DescribeProblem(problem, Details(item, false, cause)), enableAsmFrame, problem,
                      cause};
  };
  if (item == 0) return refuse(EditorProblem::ItemZero);
  if (!HasItemRecord(item)) return refuse(EditorProblem::NoItemChosen);
  // Without an edition there is nowhere to read from: the fields would show
  // made-up bytes, and a later Save would write them.
  if (edition_ == nullptr) return refuse(EditorProblem::NoRomOpen);
  if (const FileCheck check = CheckFile(false); check.problem != EditorProblem::None) {
    return refuse(check.problem, check.cause);
  }

  const int32_t record = RecordAddress(*tables_.items, item);
  ItemFields fields;
  fields.Price = FieldCodec::PriceFromHex(ReadHexBytes(romPath_, record + RecordByte::Price, 2));
  fields.Effect = ReadHexBytes(romPath_, record + RecordByte::Effect, 1);
  fields.Variable = ReadHexBytes(romPath_, record + RecordByte::Variable, 1);
  fields.Options = ReadHexBytes(romPath_, record + RecordByte::Options, 1);
  fields.Pocket = FieldCodec::PocketFromHex(ReadHexBytes(romPath_, record + RecordByte::Pocket, 1));
  fields.How = ReadHexBytes(romPath_, record + RecordByte::How, 1);
  fields.ASM = ReadHexBytes(romPath_, AsmEntryAddress(*tables_.pointers, item), AsmEntrySize);
  loadedEdition_ = edition_;
  LoadResult result;
  result.fields = fields;
  result.enableAsmFrame = enableAsmFrame;
  return result;
}

std::optional<int> RomItemEditor::LoadedItem() const {
  int item = 0;
  const char* end = itemIndexText_.data() + itemIndexText_.size();
  const auto [stop, error] = std::from_chars(itemIndexText_.data(), end, item);
  if (error != std::errc{} || stop != end || !HasItemRecord(item)) return std::nullopt;
  return item;
}

// Everything about the file that can stop a Load or a Save is checked here,
// before its first byte is read or written.
RomItemEditor::FileCheck RomItemEditor::CheckFile(bool saving) const {
  // Without its tables no offset in the file is known to hold an item.
  if (!tables_.Found()) return {EditorProblem::TablesNotFound, {}};
  if (const std::error_code cause = saving ? WriteProblem(romPath_) : ReadProblem(romPath_)) {
    return {saving ? EditorProblem::CannotWrite : EditorProblem::CannotRead, cause};
  }
  // The file may have been replaced or rebuilt since it was opened.
  if (FindEdition(ReadHexBytes(romPath_, EditionByteOffset, 1), ReadGameCode()) != edition_) {
    return {EditorProblem::Replaced, {}};
  }
  if (TablesInFile(romPath_) != tables_) return {EditorProblem::TablesMoved, {}};
  return {};
}

SaveOutcome RomItemEditor::SaveItem(const ItemFields& fields) {
  using Kind = SaveOutcome::Kind;
  const auto item = LoadedItem();
  if (!item || loadedEdition_ == nullptr) return Outcome(Kind::Refused, EditorProblem::NothingLoaded, {});
  const ProblemDetails details = Details(*item, true);
  if (edition_ == nullptr) return Outcome(Kind::Refused, EditorProblem::Unsupported, details);
  // Pointers are addresses in one edition's code, and the other fields came
  // from another game: within one edition items may be copied between ROMs.
  if (edition_ != loadedEdition_) return Outcome(Kind::Refused, EditorProblem::OtherEdition, details);
  const bool withAsm = HasAsmEntry(*item);
  const EncodedItem encoded = EncodeItemFields(fields, withAsm);
  if (!encoded.bytes) {
    ProblemDetails bad = details;
    bad.field = encoded.problem;
    return Outcome(Kind::Refused, EditorProblem::BadField, bad);
  }
  if (const FileCheck check = CheckFile(true); check.problem != EditorProblem::None) {
    ProblemDetails failed = details;
    failed.cause = check.cause;
    return Outcome(Kind::Failed, check.problem, failed);
  }

  const ItemBytes& bytes = *encoded.bytes;
  const int32_t record = RecordAddress(*tables_.items, *item);
  int32_t written = WriteHexBytes(romPath_, record + RecordByte::Price, bytes.price);
  written += WriteHexBytes(romPath_, record + RecordByte::Effect, bytes.effect);
  written += WriteHexBytes(romPath_, record + RecordByte::Variable, bytes.variable);
  written += WriteHexBytes(romPath_, record + RecordByte::Options, bytes.options);
  written += WriteHexBytes(romPath_, record + RecordByte::Pocket, bytes.pocket);
  written += WriteHexBytes(romPath_, record + RecordByte::How, bytes.how);
  if (withAsm) written += WriteHexBytes(romPath_, AsmEntryAddress(*tables_.pointers, *item), bytes.asmPointer);

  const int32_t expected = ItemRecordSize + (withAsm ? AsmEntrySize : 0);
  if (written != expected) {
    ProblemDetails partial = details;
    partial.written = written;
    partial.expected = expected;
    return Outcome(Kind::Failed, EditorProblem::PartWritten, partial);
  }
  return {};
}
