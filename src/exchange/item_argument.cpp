#include "exchange/item_argument.h"

#include <algorithm>

#include "items/edition_table.h"
#include "items/item_names.h"
#include "items/refusal.h"
#include "items/same_ignoring_case.h"

int ParseItem(std::string_view text, ItemNameViews names, ItemNameViews spellings) {
  const NamedItem named = ItemNamedBy(text, names, spellings);
  if (!named.item) {
    ProblemDetails details;
    details.text = named.problem;
    throw Refused(EditorProblem::NoSuchItem, details);
  }
  return *named.item;
}

std::optional<int16_t> ParsePocket(std::string_view text) {
  if (const auto number = ParseDecimal(text, 0, 255)) return static_cast<int16_t>(*number);
  for (size_t pocket = 0; pocket < PocketNames.size(); ++pocket) {
    if (SameIgnoringCase(text, PocketNames[pocket])) return static_cast<int16_t>(pocket);
  }
  return std::nullopt;
}

std::string PocketChoices() {
  std::string text;
  for (const std::string_view name : PocketNames) text += (text.empty() ? "" : ", ") + std::string(name);
  return "a number from 0 to 255 or one of " + text;
}
