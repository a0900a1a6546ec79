#include "exchange/rom_session.h"

#include "exchange/file_access.h"
#include "items/image_edition.h"
#include "items/refusal.h"
#include "rom_io/file_image.h"
#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"
#include "rom_io/rom_patch.h"

namespace {

RomBytes ReadRom(const std::string& path) {
  const int64_t size = ReadableFileSize(path);
  if (size > LargestRomSize) throw Refused(EditorProblem::TooLarge, FileDetails(path));
  const CFileHandle file(OpenCFile(path, "rb"));
  RomBytes bytes;
  const std::error_code error = file ? ReadRest(file.get(), bytes, static_cast<size_t>(size)) : LastFileError();
  if (error) throw Refused(EditorProblem::CannotRead, FileDetails(path, error));
  return bytes;
}

[[noreturn]] void RefuseToSave(const std::string& path, std::error_code cause) {
  ProblemDetails details = FileDetails(path, cause);
  details.saving = true;
  throw Refused(EditorProblem::CannotWrite, details);
}

// The refusal of a text met on the way, `words`, named for `path`.
ProblemDetails Naming(const std::string& path, std::string words) {
  ProblemDetails details = FileDetails(path);
  details.text = std::move(words);
  return details;
}

}  // namespace

RoutineNames RomRoutineNames(const ItemImage& image, const std::string& romPath,
                             const std::optional<std::string>& symbols) {
  const SymbolFileText text = ReadSymbolFile(symbols.value_or(SymbolFileBeside(romPath)), symbols.has_value());
  return {image.Bytes(), image.RomEdition(), image.Tables(), text};
}

RomSession::RomSession(const std::string& path, const std::optional<std::string>& symbols)
    : path_(path), image_(ReadRom(path)) {
  switch (image_.Problem()) {
    case EditorProblem::None:
      break;
    case EditorProblem::NoRomOpen:
      throw Refused(EditorProblem::UnsupportedFile, Naming(path_, DescribeHeader(image_.Header())));
    case EditorProblem::TablesNotFound:
      throw Refused(EditorProblem::FileTablesNotFound, image_.Details(path_));
    default:
      throw Refused(image_.Problem(), image_.Details(path_));
  }
  names_ = image_.Names().Views();
  spellings_ = image_.Names().Spellings();
  routines_ = RomRoutineNames(image_, path_, symbols);
}

void RomSession::KeepReadBytes() {
  if (read_.empty()) read_ = image_.Bytes();
}

void RomSession::Save(int item, const ItemRecord& record) {
  KeepReadBytes();
  image_.Store(item, record);
}

void RomSession::SaveTexts(const std::vector<ItemTextEdit>& edits) {
  KeepReadBytes();
  const TextOutcome outcome = image_.StoreTexts(edits);
  if (!outcome.saved()) throw Refused(EditorProblem::TextsNotStored, Naming(path_, outcome.message));
  names_ = image_.Names().Views();
}

void RomSession::WriteChanges(Front front) {
  if (read_.empty() || image_.Bytes() == read_) return;
  const CFileHandle file(OpenCFile(path_, "r+b"));
  if (!file) RefuseToSave(path_, LastFileError());
  bool unchanged = false;
  if (const std::error_code error = FileHolds(file.get(), read_, unchanged)) {
    throw Refused(EditorProblem::CannotRead, FileDetails(path_, error));
  }
  if (!unchanged) {
    throw Refused(front == Front::Window ? EditorProblem::ChangedSinceRead : EditorProblem::ChangedWhileEditing,
                  FileDetails(path_));
  }
  if (const std::error_code error = WriteChangedBytes(file.get(), read_, image_.Bytes())) RefuseToSave(path_, error);
  NoteRomWritten();
  read_ = image_.Bytes();
}
