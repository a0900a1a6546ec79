#include "items/item_image.h"

#include <cassert>
#include <string>

#include "items/item_access.h"
#include "items/item_table_finder.h"
#include "rom_io/rom_header.h"

ItemImage::ItemImage(RomBytes bytes) : bytes_(std::move(bytes)) {
  header_ = HeaderOfImage(bytes_);
  if (header_.edition == nullptr) {
    problem_ = EditorProblem::NoRomOpen;
    return;
  }
  if (IsCutShort(bytes_)) {
    problem_ = EditorProblem::CutShort;
    return;
  }
  if (static_cast<int64_t>(bytes_.size()) <= LargestRomSize) {
    tables_ = FindItemTables(bytes_);
    // Found once for both: every search covers the whole file.
    const std::optional<int64_t> nameList = FindItemNameList(bytes_);
    names_ = ItemNameList(*header_.edition, bytes_, nameList);
    texts_ = ItemTexts(bytes_, nameList);
  }
  if (!tables_.Found()) problem_ = EditorProblem::TablesNotFound;
}

ProblemDetails ItemImage::Details(const std::string& path) const {
  ProblemDetails details = ImageDetails(path, bytes_);
  details.itemTable = tables_.itemsMiss;
  details.pointerTable = tables_.pointersMiss;
  return details;
}

ItemRecord ItemImage::Load(int item) const {
  assert(problem_ == EditorProblem::None);
  ItemRecord record = ReadItemRecord(bytes_, tables_, item);
  record.name = texts_.Name(item);
  record.description = texts_.Description(item);
  return record;
}

void ItemImage::Store(int item, const ItemRecord& record) {
  assert(problem_ == EditorProblem::None);
  WriteItemRecord(bytes_, tables_, item, record);
}

TextOutcome ItemImage::StoreTexts(const std::vector<ItemTextEdit>& edits) {
  assert(problem_ == EditorProblem::None);
  TextOutcome outcome = texts_.Store(bytes_, edits, names_.Views());
  if (outcome.saved()) names_ = ItemNameList(*header_.edition, bytes_, texts_.NameListOffset());
  return outcome;
}
