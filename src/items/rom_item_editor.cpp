#include "items/rom_item_editor.h"

#include <algorithm>
#include <charconv>

#include "items/field_codec.h"
#include "items/item_encoding.h"
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

// Where the item's bytes end: its record, and its pointer entry if it has one.
int64_t ItemBytesEnd(const Edition& edition, int item) {
  int64_t end = RecordAddress(edition.itemTableBase, item) + ItemRecordSize;
  if (HasAsmEntry(item)) end = std::max<int64_t>(end, AsmEntryAddress(edition.asmTableBase, item) + AsmEntrySize);
  return end;
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
  if (loadedEdition_ != nullptr) details.loadedEdition = loadedEdition_->label;
  if (edition_ != nullptr) details.openEdition = edition_->label;
  details.saving = saving;
  return details;
}

RomItemEditor::OpenResult RomItemEditor::OpenRom(const std::string& path) {
  romPath_ = path;
  versionByte_ = ReadHexBytes(romPath_, EditionByteOffset, 1);
  edition_ = FindEdition(versionByte_, ReadGameCode());
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
  itemTableBase_ = edition_->itemTableBase;
  asmTableBase_ = edition_->asmTableBase;
  result.label = edition_->label;
  result.enableFrames = true;
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
  if (const FileCheck check = CheckFile(item, false); check.problem != EditorProblem::None) {
    return refuse(check.problem, check.cause);
  }

  const int32_t record = RecordAddress(itemTableBase_, item);
  ItemFields fields;
  fields.Price = FieldCodec::PriceFromHex(ReadHexBytes(romPath_, record + RecordByte::Price, 2));
  fields.Effect = ReadHexBytes(romPath_, record + RecordByte::Effect, 1);
  fields.Variable = ReadHexBytes(romPath_, record + RecordByte::Variable, 1);
  fields.Options = ReadHexBytes(romPath_, record + RecordByte::Options, 1);
  fields.Pocket = FieldCodec::PocketFromHex(ReadHexBytes(romPath_, record + RecordByte::Pocket, 1));
  fields.How = ReadHexBytes(romPath_, record + RecordByte::How, 1);
  fields.ASM = ReadHexBytes(romPath_, AsmEntryAddress(asmTableBase_, item), AsmEntrySize);
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
RomItemEditor::FileCheck RomItemEditor::CheckFile(int item, bool saving) const {
  if (const std::error_code cause = saving ? WriteProblem(romPath_) : ReadProblem(romPath_)) {
    return {saving ? EditorProblem::CannotWrite : EditorProblem::CannotRead, cause};
  }
  if (RegularFileSize(romPath_).value_or(0) < ItemBytesEnd(*edition_, item)) return {EditorProblem::TooShort, {}};
  // The file may have been replaced since it was opened; its tables would
  // then lie elsewhere.
  if (FindEdition(ReadHexBytes(romPath_, EditionByteOffset, 1), ReadGameCode()) != edition_) {
    return {EditorProblem::Replaced, {}};
  }
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
  if (const FileCheck check = CheckFile(*item, true); check.problem != EditorProblem::None) {
    ProblemDetails failed = details;
    failed.cause = check.cause;
    return Outcome(Kind::Failed, check.problem, failed);
  }

  const ItemBytes& bytes = *encoded.bytes;
  const int32_t record = RecordAddress(itemTableBase_, *item);
  int32_t written = WriteHexBytes(romPath_, record + RecordByte::Price, bytes.price);
  written += WriteHexBytes(romPath_, record + RecordByte::Effect, bytes.effect);
  written += WriteHexBytes(romPath_, record + RecordByte::Variable, bytes.variable);
  written += WriteHexBytes(romPath_, record + RecordByte::Options, bytes.options);
  written += WriteHexBytes(romPath_, record + RecordByte::Pocket, bytes.pocket);
  written += WriteHexBytes(romPath_, record + RecordByte::How, bytes.how);
  if (withAsm) written += WriteHexBytes(romPath_, AsmEntryAddress(asmTableBase_, *item), bytes.asmPointer);

  const int32_t expected = ItemRecordSize + (withAsm ? AsmEntrySize : 0);
  if (written != expected) {
    ProblemDetails partial = details;
    partial.written = written;
    partial.expected = expected;
    return Outcome(Kind::Failed, EditorProblem::PartWritten, partial);
  }
  return {};
}
