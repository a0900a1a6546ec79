#include "exchange/item_export.h"

#include <nlohmann/json.hpp>

#include "exchange/csv.h"

namespace {

nlohmann::ordered_json JsonValue(const ItemRecord& record, Field field) {
  const std::optional<uint16_t> value = FieldValue(record, field);
  if (!value) return nullptr;
  if (field == Field::Price || field == Field::Pocket) return *value;
  return FieldText(field, *value);
}

}  // namespace

std::string ExportCsv(const std::vector<ItemRow>& rows, const Edition& edition) {
  std::vector<std::string> header{"index", "name"};
  for (Field field : AllFields) header.emplace_back(FieldKey(field));
  header.emplace_back(EditionKey);
  header.emplace_back(DescriptionKey);
  std::string text = CsvLine(header);
  for (const ItemRow& row : rows) {
    std::vector<std::string> fields{std::to_string(row.item), row.name};
    for (Field field : AllFields) fields.push_back(FieldText(row.record, field));
    fields.emplace_back(edition.name);
    fields.push_back(row.record.description.value_or(""));
    text += CsvLine(fields);
  }
  return text;
}

std::string ExportJson(const std::vector<ItemRow>& rows, const Edition& edition) {
  std::string text = "[\n";
  for (size_t i = 0; i < rows.size(); ++i) {
    nlohmann::ordered_json object{{"index", rows[i].item}, {"name", rows[i].name}};
    for (Field field : AllFields) {
      object[std::string(FieldKey(field))] = JsonValue(rows[i].record, field);
    }
    object[std::string(EditionKey)] = edition.name;
    const std::optional<std::string>& description = rows[i].record.description;
    object[std::string(DescriptionKey)] =
        description ? nlohmann::ordered_json(*description) : nlohmann::ordered_json(nullptr);
    text += object.dump() + (i + 1 < rows.size() ? ",\n" : "\n");
  }
  return text + "]\n";
}
