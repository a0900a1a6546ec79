#include "exchange/rom_session.h"

#include "exchange/cli_error.h"
#include "exchange/file_access.h"
#include "rom_io/file_image.h"
#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"
#include "rom_io/rom_patch.h"

namespace {

RomBytes ReadRom(const std::string& path) {
  const int64_t size = ReadableFileSize(path);
  if (size > LargestRomSize) {
    throw InvalidInput(Quoted(path) + " is larger than any Game Boy cartridge, so it is not a ROM image.");
  }
  const CFileHandle file(OpenCFile(path, "rb"));
  RomBytes bytes;
  const std::error_code error = file ? ReadRest(file.get(), bytes, static_cast<size_t>(size)) : LastFileError();
  if (error) throw FileError(CannotMessage("read", path, error));
  return bytes;
}

std::string CannotSave(const std::string& path, std::error_code cause) {
  ProblemDetails details;
  details.path = path;
  details.cause = cause;
  details.saving = true;
  return DescribeProblem(EditorProblem::CannotWrite, details);
}

// "rom.gbc" is not a supported ROM (Unsupported Rom), and why when the header tells.
std::string UnsupportedMessage(const std::string& path, const HeaderEdition& header) {
  const std::string why = DescribeHeader(header);
  return Quoted(path) + " is not a supported ROM (" + std::string(UnsupportedRomLabel) + ")" +
         (why.empty() ? "" : ": " + why) + ".";
}

std::string FileChangedMessage(const std::string& path, Front front) {
  if (front == Front::Window) {
    return Quoted(path) + " changed since the item table read it; nothing was written. Choose Revert to read it " +
           "again, then make your changes again.";
  }
  return Quoted(path) + " changed while it was being edited; nothing was written. Run the command again.";
}

}  // namespace

std::string DescribeItem(int item, ItemNameViews names) {
  return "item " + std::to_string(item) + " (" + std::string(names[static_cast<size_t>(item)]) + ")";
}

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
      throw InvalidInput(UnsupportedMessage(path_, image_.Header()));
    case EditorProblem::TablesNotFound:
      // The core's words speak of "this ROM", and a command may read two.
      throw InvalidInput(Quoted(path_) + ": " + DescribeProblem(image_.Problem(), image_.Details(path_)));
    default:
      throw InvalidInput(DescribeProblem(image_.Problem(), image_.Details(path_)));
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
  if (!outcome.saved()) throw InvalidInput("Cannot save the texts in " + Quoted(path_) + ":\n" + outcome.message);
  names_ = image_.Names().Views();
}

void RomSession::WriteChanges(Front front) {
  if (read_.empty() || image_.Bytes() == read_) return;
  const CFileHandle file(OpenCFile(path_, "r+b"));
  if (!file) throw FileError(CannotSave(path_, LastFileError()));
  bool unchanged = false;
  if (const std::error_code error = FileHolds(file.get(), read_, unchanged)) {
    throw FileError(CannotMessage("read", path_, error));
  }
  if (!unchanged) throw FileError(FileChangedMessage(path_, front));
  if (const std::error_code error = WriteChangedBytes(file.get(), read_, image_.Bytes())) {
    throw FileError(CannotSave(path_, error));
  }
  NoteRomWritten();
  read_ = image_.Bytes();
}
