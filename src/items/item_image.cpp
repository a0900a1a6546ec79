#include "items/item_image.h"

#include <cassert>
#include <string>

#include "items/field_codec.h"
#include "items/item_access.h"
#include "items/item_encoding.h"
#include "items/item_table_finder.h"
#include "rom_io/hex_functions.h"
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

ItemFields ItemImage::Load(int item) const {
  assert(problem_ == EditorProblem::None);
  const auto read = [this](int32_t offset, int32_t count) {
    std::string hex;
    for (int32_t at = offset; at < offset + count; ++at) hex += HexFunctions::ByteToHex(bytes_[static_cast<size_t>(at)]);
    return hex;
  };
  return ReadItemFields(read, tables_, item);
}

SaveOutcome ItemImage::Store(int item, const ItemFields& fields) {
  assert(problem_ == EditorProblem::None);
  const EncodedItem encoded = EncodeItemFields(fields, HasAsmEntry(item));
  if (!encoded.bytes) {
    ProblemDetails details;
    details.field = encoded.problem;
    return {SaveOutcome::Kind::Refused, DescribeProblem(EditorProblem::BadField, details), EditorProblem::BadField, {}};
  }
  const auto write = [this](int32_t offset, const std::string& hex) {
    for (size_t pair = 0; pair < hex.size() / 2; ++pair) {
      bytes_[static_cast<size_t>(offset) + pair] = FieldCodec::ByteFromHex(hex.substr(2 * pair, 2));
    }
    return static_cast<int32_t>(hex.size() / 2);
  };
  WriteItemBytes(write, tables_, item, *encoded.bytes);
  return {};
}

TextOutcome ItemImage::StoreTexts(const std::vector<ItemTextEdit>& edits) {
  assert(problem_ == EditorProblem::None);
  TextOutcome outcome = texts_.Store(bytes_, edits, names_.Views());
  if (outcome.saved()) names_ = ItemNameList(*header_.edition, bytes_, texts_.NameListOffset());
  return outcome;
}
