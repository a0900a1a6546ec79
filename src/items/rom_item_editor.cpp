#include "items/rom_item_editor.h"

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

SaveOutcome Refused(std::string message) { return {SaveOutcome::Kind::Refused, std::move(message)}; }

SaveOutcome Failed(const std::string& path, const std::string& why) {
  return {SaveOutcome::Kind::Failed, "Cannot save to \"" + path + "\": " + why};
}

}  // namespace

std::string RomItemEditor::ReadGameCode() const {
  return HexToText(ReadHexBytes(romPath_, GameCodeOffset, GameCodeLength));
}

RomItemEditor::OpenResult RomItemEditor::OpenRom(const std::string& path) {
  romPath_ = path;
  versionByte_ = ReadHexBytes(romPath_, EditionByteOffset, 1);
  edition_ = FindEdition(versionByte_, ReadGameCode());
  if (edition_ == nullptr) return {std::string(UnsupportedRomLabel), false};
  itemTableBase_ = edition_->itemTableBase;
  asmTableBase_ = edition_->asmTableBase;
  return {std::string(edition_->label), true};
}

RomItemEditor::LoadResult RomItemEditor::LoadItem(int16_t listIndex) {
  itemIndexText_ = std::to_string(listIndex);
  const int item = listIndex;
  const bool enableAsmFrame = item <= LastItemWithAsm;
  if (item == 0) return {std::nullopt, "Cannot load Item 0", enableAsmFrame};
  if (!HasItemRecord(item)) return {std::nullopt, "Choose an item to load.", enableAsmFrame};

  const int32_t record = RecordAddress(itemTableBase_, item);
  ItemFields fields;
  fields.Price = FieldCodec::PriceFromHex(ReadHexBytes(romPath_, record + RecordByte::Price, 2));
  fields.Effect = ReadHexBytes(romPath_, record + RecordByte::Effect, 1);
  fields.Variable = ReadHexBytes(romPath_, record + RecordByte::Variable, 1);
  fields.Options = ReadHexBytes(romPath_, record + RecordByte::Options, 1);
  fields.Pocket = FieldCodec::PocketFromHex(ReadHexBytes(romPath_, record + RecordByte::Pocket, 1));
  fields.How = ReadHexBytes(romPath_, record + RecordByte::How, 1);
  fields.ASM = ReadHexBytes(romPath_, AsmEntryAddress(asmTableBase_, item), AsmEntrySize);
  return {fields, {}, enableAsmFrame};
}

std::optional<int> RomItemEditor::LoadedItem() const {
  int item = 0;
  const char* end = itemIndexText_.data() + itemIndexText_.size();
  const auto [stop, error] = std::from_chars(itemIndexText_.data(), end, item);
  if (error != std::errc{} || stop != end || !HasItemRecord(item)) return std::nullopt;
  return item;
}

// Everything that can stop a Save is checked here, before its first byte.
std::optional<SaveOutcome> RomItemEditor::CheckFile(int item) const {
  const auto size = RegularFileSize(romPath_);
  if (!size || !OpensForWriting(romPath_)) return Failed(romPath_, "the file cannot be opened for writing.");
  int64_t end = RecordAddress(itemTableBase_, item) + ItemRecordSize;
  if (HasAsmEntry(item)) end = std::max<int64_t>(end, AsmEntryAddress(asmTableBase_, item) + AsmEntrySize);
  if (*size < end) return Failed(romPath_, "the file is too short to hold item " + std::to_string(item) + ".");
  // The file may have been replaced since it was opened; its tables would
  // then lie elsewhere.
  if (FindEdition(ReadHexBytes(romPath_, EditionByteOffset, 1), ReadGameCode()) != edition_) {
    return Failed(romPath_, "it is no longer the " + std::string(edition_->label) + " file that was opened.");
  }
  return std::nullopt;
}

SaveOutcome RomItemEditor::SaveItem(const ItemFields& fields) {
  const auto item = LoadedItem();
  if (!item) return Refused("Load an item before saving.");
  if (edition_ == nullptr) return Refused("Cannot save: the open file is not a supported ROM.");
  const bool withAsm = HasAsmEntry(*item);
  const EncodedItem encoded = EncodeItemFields(fields, withAsm);
  if (!encoded.bytes) return Refused(encoded.problem);
  if (auto problem = CheckFile(*item)) return *problem;

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
    return Failed(romPath_, "only " + std::to_string(written) + " of the item's " + std::to_string(expected) +
                                " bytes were written; the item may now be partly changed.");
  }
  return {SaveOutcome::Kind::Saved, {}};
}
