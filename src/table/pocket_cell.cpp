#include "table/pocket_cell.h"

#include "exchange/item_argument.h"
#include "items/field_codec.h"
#include "items/item_names.h"

std::string PocketCellText(int16_t value) {
  if (value >= 0 && static_cast<size_t>(value) < PocketCount)
    return std::string(PocketNames[static_cast<size_t>(value)]);
  return UnknownPocketEntry(value);
}

std::optional<int16_t> PocketFromCell(std::string_view text) {
  if (const auto pocket = ParsePocket(text)) return pocket;
  if (text.size() != 4 || text.front() != '(' || text.back() != ')') return std::nullopt;
  const auto value = FieldCodec::ParseByte(text.substr(1, 2));
  if (!value || text[1] == ' ' || text[2] == ' ') return std::nullopt;
  return *value;
}
