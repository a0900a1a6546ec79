#include "cli/item_text.h"

#include <string_view>

#include "exchange/item_values.h"
#include "items/description_texts.h"
#include "items/edition_table.h"
#include "items/field_codec.h"
#include "items/held_effect_names.h"
#include "items/item_meaning.h"
#include "items/item_names.h"

namespace {

constexpr size_t CaptionWidth = 13;

std::string Line(std::string_view caption, const std::string& value, const std::string& meaning = {}) {
  std::string line = std::string(caption) + std::string(CaptionWidth - caption.size(), ' ') + value;
  if (!meaning.empty()) line += "  " + meaning;
  return line + "\n";
}

// Its second line under its first.
std::string DescriptionShown(int item, const std::optional<std::string>& description) {
  if (!HasDescription(item)) return Line("Description", "none (items 191 to 255 show their move's)");
  if (!description) return Line("Description", "cannot be read in this ROM");
  std::string text = *description;
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
    text.insert(at + 1, CaptionWidth, ' ');
  }
  return Line("Description", text);
}

}  // namespace

std::string FormatItem(int item, std::string_view name, const ItemFields& fields,
                       const std::optional<std::string>& description, const RoutineNames& routines) {
  const ItemValues values = *ValuesOf(item, fields).values;
  const uint8_t effect = FieldCodec::ByteFromHex(values[Field::Effect]);
  const uint8_t use = FieldCodec::ByteFromHex(values[Field::Options]);
  const uint8_t type = FieldCodec::ByteFromHex(values[Field::How]);
  const int pocket = fields.Pocket;

  std::string text = "Item " + std::to_string(item) + ": " + std::string(name) + "\n";
  text += Line("Price", values[Field::Price]);
  text += Line("Effect", values[Field::Effect], HeldEffectText(effect));
  text += Line("Var.", values[Field::Variable],
               ParameterMeaning(effect, FieldCodec::ByteFromHex(values[Field::Variable])));
  text += Line("Use", values[Field::Options], UseMeaning(use));
  text += Line("Pocket", PocketText(pocket));
  text += Line("Type", values[Field::How], TypeMeaning(type));
  if (HasAsmEntry(item)) {
    const auto routine = routines.NameOf(static_cast<uint16_t>(std::stoul(values[Field::Asm], nullptr, 16)));
    text += Line("ASM Pointer", values[Field::Asm], routine.value_or(""));
  } else {
    text += Line("ASM Pointer", "none (only items 1 to 179 have one)");
  }
  text += DescriptionShown(item, description);
  for (const std::string& warning : ItemWarnings(use, pocket, type)) text += "Warning: " + warning + "\n";
  return text;
}
