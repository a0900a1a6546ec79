#include "exchange/item_values.h"

#include <array>

#include "items/field_codec.h"

namespace {

constexpr std::array<std::string_view, AllFields.size()> kKeys{"price",  "effect", "variable", "options",
                                                               "pocket", "how",    "asm"};

}  // namespace

std::string_view FieldKey(Field field) { return kKeys[static_cast<size_t>(field)]; }

std::optional<Field> FieldFromKey(std::string_view key) {
  for (Field field : AllFields) {
    if (FieldKey(field) == key) return field;
  }
  return std::nullopt;
}

std::string FieldText(Field field, uint16_t value) {
  switch (field) {
    case Field::Price:
      return FieldCodec::PriceText(value);
    case Field::Pocket:
      return std::to_string(value);
    case Field::Asm:
      return FieldCodec::RoutineText(value);
    default:
      return FieldCodec::ByteText(static_cast<uint8_t>(value));
  }
}

std::string FieldText(const ItemRecord& record, Field field) {
  const std::optional<uint16_t> value = FieldValue(record, field);
  return value ? FieldText(field, *value) : std::string();
}

std::vector<FieldChange> Changes(int item, const ItemRecord& before, const ItemRecord& after) {
  std::vector<FieldChange> changes;
  for (Field field : AllFields) {
    if (FieldValue(before, field) != FieldValue(after, field)) {
      changes.push_back({item, FieldKey(field), FieldText(before, field), FieldText(after, field)});
    }
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
