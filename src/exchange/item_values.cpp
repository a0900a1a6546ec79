#include "exchange/item_values.h"

#include "items/edition_table.h"
#include "items/field_codec.h"
#include "items/item_names.h"

namespace {

constexpr std::array<std::string_view, AllFields.size()> kKeys{"price",  "effect", "variable", "options",
                                                               "pocket", "how",    "asm"};

ItemValues FromBytes(const ItemBytes& bytes) {
  ItemValues values;
  values[Field::Price] = FieldCodec::PriceFromHex(bytes.price);
  values[Field::Effect] = bytes.effect;
  values[Field::Variable] = bytes.variable;
  values[Field::Options] = bytes.options;
  values[Field::Pocket] = std::to_string(FieldCodec::PocketFromHex(bytes.pocket));
  values[Field::How] = bytes.how;
  values[Field::Asm] = bytes.asmPointer;
  return values;
}

}  // namespace

std::string_view FieldKey(Field field) { return kKeys[static_cast<size_t>(field)]; }

std::optional<Field> FieldFromKey(std::string_view key) {
  for (Field field : AllFields) {
    if (FieldKey(field) == key) return field;
  }
  return std::nullopt;
}

void SetField(ItemFields& fields, Field field, const std::string& text) {
  switch (field) {
    case Field::Price:
      fields.Price = text;
      break;
    case Field::Effect:
      fields.Effect = text;
      break;
    case Field::Variable:
      fields.Variable = text;
      break;
    case Field::Options:
      fields.Options = text;
      break;
    case Field::Pocket:
      fields.Pocket = static_cast<int16_t>(std::stoi(text));
      break;
    case Field::How:
      fields.How = text;
      break;
    case Field::Asm:
      fields.ASM = text;
      break;
  }
}

ItemValuesResult ValuesOf(int item, const ItemFields& fields) {
  const EncodedItem encoded = EncodeItemFields(fields, HasAsmEntry(item));
  if (!encoded.bytes) return {std::nullopt, encoded.problem};
  return {FromBytes(*encoded.bytes), {}};
}

std::optional<std::string> FieldProblem(int item, Field field, const std::string& text) {
  // Empty byte fields store 00, so only the tested field can be refused.
  ItemFields probe{"0", "", "", "", 0, "", ""};
  SetField(probe, field, text);
  EncodedItem checked = EncodeItemFields(probe, HasAsmEntry(item));
  if (checked.bytes) return std::nullopt;
  return std::move(checked.problem);
}

std::vector<FieldChange> Changes(int item, const ItemValues& before, const ItemValues& after) {
  std::vector<FieldChange> changes;
  for (Field field : AllFields) {
    if (before[field] != after[field]) changes.push_back({item, FieldKey(field), before[field], after[field]});
  }
  return changes;
}

std::optional<FieldChange> TextChange(int item, std::string_view key, const std::optional<std::string>& before,
                                      const std::optional<std::string>& after) {
  if (before == after) return std::nullopt;
  return FieldChange{item, key, before.value_or(""), after.value_or("")};
}

std::string FormatChange(const FieldChange& change, std::string_view name) {
  const auto oneLine = [](std::string text) {
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at)) text.replace(at, 1, "\\n");
    return text;
  };
  return std::to_string(change.item) + " " + std::string(name) + " " + std::string(change.key) + " " +
         oneLine(change.before) + " -> " + oneLine(change.after);
}

std::string DescriptionText(std::string_view text) {
  std::string lines;
  for (size_t at = 0; at < text.size(); ++at) {
    const bool escaped = text.substr(at, 2) == "\\n", windows = text.substr(at, 2) == "\r\n";
    lines += escaped || windows ? '\n' : text[at];
    if (escaped || windows) ++at;
  }
  return lines;
}
