#include "items/rom_item_editor.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "items/item_access.h"
#include "rom_io/file_image.h"
#include "rom_io/file_path.h"
#include "rom_io/hex_functions.h"
#include "rom_io/rom_file.h"
#include "rom_io/rom_header.h"

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

// "Price, Effect and Type"
std::string JoinedCaptions(const std::vector<std::string_view>& captions) {
  std::string text;
  for (size_t i = 0; i < captions.size(); ++i) {
    if (i > 0) text += i + 1 == captions.size() ? " and " : ", ";
    text += captions[i];
  }
  return text;
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
  details.itemTable = tables_.itemsMiss;
  details.pointerTable = tables_.pointersMiss;
  if (loadedEdition_ != nullptr) details.loadedEdition = loadedEdition_->label;
  if (edition_ != nullptr) details.openEdition = edition_->label;
  details.saving = saving;
  return details;
}

// A Load and a Save name the file's length at the Open and now alike.
ProblemDetails RomItemEditor::CheckDetails(int item, bool saving, const FileCheck& check) const {
  ProblemDetails details = Details(item, saving, check.cause);
  details.openSize = openSize_;
  details.size = check.size;
  return details;
}

RomItemEditor::OpenResult RomItemEditor::OpenRom(const std::string& path) {
  romPath_ = path;
  versionByte_ = ReadHexBytes(romPath_, EditionByteOffset, 1);
  const HeaderEdition header = RecogniseEdition(versionByte_, ReadGameCode());
  edition_ = header.edition;
  names_ = {};
  if (edition_ == nullptr) return UnrecognisedOpen(header);
  const auto image = ReadFileImage(romPath_, LargestRomSize);
  if (image && IsCutShort(*image)) return CutShortOpen(*image);
  FindTablesAndNames(image);
  OpenResult result;
  result.label = edition_->label;
  result.headerNote = DescribeHeader(header);
  result.enableFrames = true;
  result.tablePlaces = DescribeTablePlaces(*edition_, tables_);
  if (!tables_.Found()) {
    result.problem = EditorProblem::TablesNotFound;
    result.message = DescribeProblem(result.problem, Details(0, false));
  }
  return result;
}

// The tables found at an earlier Open stay, though nothing can be loaded
// until a supported ROM is open again.
RomItemEditor::OpenResult RomItemEditor::UnrecognisedOpen(const HeaderEdition& header) const {
  OpenResult result;
  result.label = UnsupportedRomLabel;
  result.headerNote = DescribeHeader(header);
  // A cancelled dialog gives no path: that is no failure to speak of.
  result.cause = romPath_.empty() ? std::error_code() : ReadProblem(romPath_);
  if (result.cause) {
    result.problem = EditorProblem::CannotRead;
    result.message = DescribeProblem(result.problem, Details(0, false, result.cause));
  }
  return result;
}

// The game's banks run to the size its header gives, and a copy that ends
// sooner has lost some of them: it opens as no ROM, so that nothing is read
// from it or written into it.
RomItemEditor::OpenResult RomItemEditor::CutShortOpen(std::span<const uint8_t> image) {
  edition_ = nullptr;
  OpenResult result;
  result.label = UnsupportedRomLabel;
  result.problem = EditorProblem::CutShort;
  result.message = DescribeProblem(result.problem, ImageDetails(romPath_, image));
  return result;
}

// One read of the whole file finds both.
void RomItemEditor::FindTablesAndNames(const std::optional<RomBytes>& image) {
  tables_ = {};
  routines_ = RoutineNames();
  if (!image) return;
  openSize_ = static_cast<int64_t>(image->size());
  tables_ = FindItemTables(*image);
  names_ = ItemNameList(*edition_, *image);
  routines_ = RoutineNames(*image, edition_, tables_, ReadSymbolFile(SymbolFileBeside(romPath_), false));
}

RomItemEditor::LoadResult RomItemEditor::LoadItem(int16_t listIndex) {
  itemIndexText_ = std::to_string(listIndex);
  loadedEdition_ = nullptr;
  const int item = listIndex;
  const bool enableAsmFrame = item <= LastItemWithAsm;
  auto refuse = [&](EditorProblem problem, const ProblemDetails& details) {
    return LoadResult{std::nullopt, DescribeProblem(problem, details), enableAsmFrame, problem, details.cause, {}};
  };
  const ProblemDetails details = Details(item, false);
  if (item == 0) return refuse(EditorProblem::ItemZero, details);
  if (!HasItemRecord(item)) return refuse(EditorProblem::NoItemChosen, details);
  // Without an edition there is nowhere to read from: the fields would show
  // made-up bytes, and a later Save would write them.
  if (edition_ == nullptr) return refuse(EditorProblem::NoRomOpen, details);
  const FileCheck check = CheckFile(false);
  if (check.problem != EditorProblem::None) return refuse(check.problem, CheckDetails(item, false, check));

  loadedEdition_ = edition_;
  LoadResult result;
  result.fields = ReadFields(item);
  result.enableAsmFrame = enableAsmFrame;
  result.description = ItemTexts(*check.image).Description(item).value_or("");
  onDisk_ = {ItemOnDisk{romPath_, *result.fields}};
  return result;
}

ItemFields RomItemEditor::ReadFields(int item) const {
  const auto read = [this](int32_t offset, int32_t count) { return ReadHexBytes(romPath_, offset, count); };
  return ReadItemFields(read, tables_, item);
}

// What this editor knows of the loaded item in the open file, under any of
// its names.
RomItemEditor::ItemOnDisk* RomItemEditor::OnDiskHere() {
  const auto here = std::find_if(onDisk_.begin(), onDisk_.end(), [this](const ItemOnDisk& known) {
    std::error_code error;
    return known.path == romPath_ || std::filesystem::equivalent(FilePath(known.path), FilePath(romPath_), error);
  });
  return here == onDisk_.end() ? nullptr : &*here;
}

// Nothing for a file that the item was neither read from nor written to:
// a Save into another ROM of the edition copies the item.
std::vector<std::string_view> RomItemEditor::ChangedOnDisk(int item) {
  const ItemOnDisk* known = OnDiskHere();
  return known == nullptr ? std::vector<std::string_view>{}
                          : DifferingFields(known->fields, ReadFields(item), HasAsmEntry(item));
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
  if (!tables_.Found()) return {.problem = EditorProblem::TablesNotFound};
  if (const std::error_code cause = saving ? WriteProblem(romPath_) : ReadProblem(romPath_)) {
    return {.problem = saving ? EditorProblem::CannotWrite : EditorProblem::CannotRead, .cause = cause};
  }
  // The file may have been replaced or rebuilt since it was opened; one read
  // of it shows both.
  auto image = ReadFileImage(romPath_, LargestRomSize);
  if (image && EditionOfImage(*image) != edition_) return {.problem = EditorProblem::Replaced};
  // A file cut short may still hold its tables, but it is no longer the ROM
  // that was opened.
  if (image && static_cast<int64_t>(image->size()) != openSize_) {
    return {.problem = EditorProblem::SizeChanged, .size = static_cast<int64_t>(image->size())};
  }
  if (!image || FindItemTables(*image) != tables_) return {.problem = EditorProblem::TablesMoved};
  const auto size = static_cast<int64_t>(image->size());
  return {.size = size, .image = std::move(image)};
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
  const EncodedItem encoded = EncodeItemFields(fields, HasAsmEntry(*item));
  if (!encoded.bytes) {
    ProblemDetails bad = details;
    bad.field = encoded.problem;
    return Outcome(Kind::Refused, EditorProblem::BadField, bad);
  }
  if (const FileCheck check = CheckFile(true); check.problem != EditorProblem::None) {
    return Outcome(Kind::Failed, check.problem, CheckDetails(*item, true, check));
  }
  if (const auto changed = ChangedOnDisk(*item); !changed.empty()) {
    ProblemDetails refused = details;
    refused.changedFields = JoinedCaptions(changed);
    return Outcome(Kind::Refused, EditorProblem::ChangedSinceLoad, refused);
  }

  const auto write = [this](int32_t offset, const std::string& hex) { return WriteHexBytes(romPath_, offset, hex); };
  const int32_t written = WriteItemBytes(write, tables_, *item, *encoded.bytes);
  const int32_t expected = ItemByteCount(*item);
  if (written != expected) {
    ProblemDetails partial = details;
    partial.written = written;
    partial.expected = expected;
    return Outcome(Kind::Failed, EditorProblem::PartWritten, partial);
  }
  ItemOnDisk stored{romPath_, ReadFields(*item)};
  if (ItemOnDisk* known = OnDiskHere()) {
    *known = std::move(stored);
  } else {
    onDisk_.push_back(std::move(stored));
  }
  return {};
}
