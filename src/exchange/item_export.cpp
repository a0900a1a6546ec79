#include "exchange/item_export.h"

#include <nlohmann/json.hpp>

#include "exchange/csv.h"
#include "exchange/named_columns.h"
#include "items/edition_table.h"

namespace {

nlohmann::ordered_json JsonValue(int item, Field field, const std::string& text) {
  if (field == Field::Price || field == Field::Pocket) return std::stoul(text);
  if (field == Field::Asm && !HasAsmEntry(item)) return nullptr;
  return text;
}

}  // namespace

std::string ExportCsv(const std::vector<ItemRow>& rows, const Edition& edition) {
  std::vector<std::string> header{"index", "name"};
  for (Field field : AllFields) header.emplace_back(FieldKey(field));
  header.emplace_back(EditionKey);
  header.emplace_back(DescriptionKey);
  for (NamedColumn column : AllNamedColumns) header.emplace_back(NamedColumnKey(column));
  std::string text = CsvLine(header);
  for (const ItemRow& row : rows) {
    std::vector<std::string> fields{std::to_string(row.item), row.name};
    fields.insert(fields.end(), row.values.texts.begin(), row.values.texts.end());
    fields.emplace_back(edition.name);
    fields.push_back(row.description.value_or(""));
    for (size_t n = 0; n < AllNamedColumns.size(); ++n) fields.push_back(n < row.names.size() ? row.names[n] : "");
    text += CsvLine(fields);
  }
  return text;
}

std::string ExportJson(const std::vector<ItemRow>& rows, const Edition& edition) {
  std::string text = "[\n";
  for (size_t i = 0; i < rows.size(); ++i) {
    nlohmann::ordered_json object{{"index", rows[i].item}, {"name", rows[i].name}};
    for (Field field : AllFields) {
      object[std::string(FieldKey(field))] = JsonValue(rows[i].item, field, rows[i].values[field]);
    }
    object[std::string(EditionKey)] = edition.name;
    object[std::string(DescriptionKey)] =
        rows[i].description ? nlohmann::ordered_json(*rows[i].description) : nlohmann::ordered_json(nullptr);
    for (size_t n = 0; n < AllNamedColumns.size(); ++n) {
      const std::string name = n < rows[i].names.size() ? rows[i].names[n] : "";
      object[std::string(NamedColumnKey(AllNamedColumns[n]))] =
          name.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(name);
    }
    text += object.dump() + (i + 1 < rows.size() ? ",\n" : "\n");
  }
  return text + "]\n";
}
