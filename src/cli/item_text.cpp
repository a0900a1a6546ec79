#include "cli/item_text.h"

#include <string_view>

#include "exchange/item_values.h"
#include "items/edition_table.h"
#include "items/field_codec.h"
#include "items/item_meaning.h"
#include "items/item_names.h"

namespace {

std::string Line(std::string_view caption, const std::string& value, const std::string& meaning = {}) {
  std::string line = std::string(caption) + std::string(13 - caption.size(), ' ') + value;
  if (!meaning.empty()) line += "  " + meaning;
  return line + "\n";
}

}  // namespace

std::string FormatItem(int item, std::string_view name, const ItemFields& fields) {
  const ItemValues values = *ValuesOf(item, fields).values;
  const uint8_t use = FieldCodec::ByteFromHex(values[Field::Options]);
  const uint8_t type = FieldCodec::ByteFromHex(values[Field::How]);
  const int pocket = fields.Pocket;

  std::string text = "Item " + std::to_string(item) + ": " + std::string(name) + "\n";
  text += Line("Price", values[Field::Price]);
  text += Line("Effect", values[Field::Effect]);
  text += Line("Var.", values[Field::Variable]);
  text += Line("Use", values[Field::Options], UseMeaning(use));
  text += Line("Pocket", PocketText(pocket));
  text += Line("Type", values[Field::How], TypeMeaning(type));
  text += Line("ASM Pointer", HasAsmEntry(item) ? values[Field::Asm] : "none (only items 1 to 179 have one)");
  for (const std::string& warning : ItemWarnings(use, pocket, type)) text += "Warning: " + warning + "\n";
  return text;
}
