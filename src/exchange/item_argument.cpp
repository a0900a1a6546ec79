#include "exchange/item_argument.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "exchange/cli_error.h"
#include "items/edition_table.h"
#include "items/item_name_match.h"
#include "items/item_names.h"

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

constexpr std::ptrdiff_t kCandidatesShown = 6;

template <typename Range, typename ToText>
std::string Join(const Range& range, ToText toText) {
  std::string text;
  for (const auto& element : range) text += (text.empty() ? "" : ", ") + std::string(toText(element));
  return text;
}

// "Poké Ball (5), pokeDoll (37)"; a short beginning fits dozens of names,
// and a few show what to type.
std::string Candidates(ItemNameViews names, const std::vector<int>& items) {
  const std::vector<int> shown(items.begin(),
                               items.begin() + std::min<std::ptrdiff_t>(kCandidatesShown, std::ssize(items)));
  const size_t more = items.size() - shown.size();
  return Join(shown, [names](int item) { return std::string(names[static_cast<size_t>(item)]) + " (" + std::to_string(item) + ")"; }) +
         (more > 0 ? " and " + std::to_string(more) + " more" : "");
}

}  // namespace

std::optional<int> ParseDecimal(std::string_view text, int low, int high) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

int ParseItem(std::string_view text, ItemNameViews names) {
  if (const auto number = ParseDecimal(text, 1, LastItem)) return *number;
  std::vector<int> matches = ItemsNamed(names, text);
  // Entry 0 is no item: the list's "Nothing" before the first.
  std::erase(matches, 0);
  if (matches.size() == 1) return matches.front();
  if (matches.empty()) {
    throw InvalidInput("There is no item \"" + std::string(text) +
                       "\": give a number from 1 to 255 or an item's name.");
  }
  if (AllNamedAlike(names, matches)) {
    throw InvalidInput("The name \"" + std::string(names[static_cast<size_t>(matches[0])]) + "\" stands at items " +
                       Join(matches, [](int item) { return std::to_string(item); }) + ": give the item's number.");
  }
  throw InvalidInput("\"" + std::string(text) + "\" begins several names: " + Candidates(names, matches) + ".");
}

std::optional<int16_t> ParsePocket(std::string_view text) {
  if (const auto number = ParseDecimal(text, 0, 255)) return static_cast<int16_t>(*number);
  for (size_t pocket = 0; pocket < PocketNames.size(); ++pocket) {
    if (SameIgnoringCase(text, PocketNames[pocket])) return static_cast<int16_t>(pocket);
  }
  return std::nullopt;
}

std::string PocketChoices() {
  return "a number from 0 to 255 or one of " + Join(PocketNames, [](std::string_view name) { return name; });
}
