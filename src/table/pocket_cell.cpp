#include "table/pocket_cell.h"

#include "exchange/item_argument.h"
#include "items/field_codec.h"
#include "items/item_names.h"
#include "items/named_values.h"

std::string PocketCellText(int16_t value) {
  if (value >= 0 && static_cast<size_t>(value) < PocketCount)
    return std::string(PocketNames[static_cast<size_t>(value)]);
  return UnknownPocketEntry(value);
}

std::optional<int16_t> PocketFromCell(std::string_view text) {
  if (const auto pocket = ParsePocket(text)) return pocket;
  const auto digits = UnnamedDigits(text);
  if (!digits || digits->size() != 2 || !FieldCodec::AllHexDigits(*digits)) return std::nullopt;
  return *FieldCodec::ParseByte(*digits);
}
