#include "items/named_item.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "items/edition_table.h"
#include "items/wording.h"

namespace {

constexpr std::ptrdiff_t kCandidatesShown = 6;

template <typename Range, typename ToText>
std::string Join(const Range& range, ToText toText) {
  std::string text;
  for (const auto& element : range) text += (text.empty() ? "" : ", ") + std::string(toText(element));
  return text;
}

std::string NameOf(ItemNameViews names, int item) { return std::string(names[static_cast<size_t>(item)]); }

// "Poké Ball (5), pokeDoll (37)"; a short beginning fits dozens of names,
// and a few show what to type.
std::string Candidates(ItemNameViews names, const std::vector<int>& items) {
  const std::vector<int> shown(items.begin(),
                               items.begin() + std::min<std::ptrdiff_t>(kCandidatesShown, std::ssize(items)));
  const size_t more = items.size() - shown.size();
  return Join(shown, [names](int item) { return NameOf(names, item) + " (" + std::to_string(item) + ")"; }) +
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

NamedItem ItemNamedBy(std::string_view text, ItemNameViews names, ItemNameViews spellings) {
  if (const auto number = ParseDecimal(text, 1, LastItem)) return {*number, {}};
  const ItemNameMatcher matcher(names, spellings);
  std::vector<int> matches = matcher.ItemsNamed(text);
  // Entry 0 is no item: the list's "Nothing" before the first.
  std::erase(matches, 0);
  if (matches.size() == 1) return {matches.front(), {}};
  if (matches.empty()) {
    return {std::nullopt, "There is no item " + QuotedText(text) + ": give a number from 1 to 255 or an item's name."};
  }
  // Whole names come before beginnings, so the first tells which these are;
  // a beginning of one repeated name stands for that name.
  if (matcher.IsNameOf(text, matches.front()) || AllNamedAlike(names, matches)) {
    return {std::nullopt, "The name " + QuotedText(NameOf(names, matches[0])) + " stands at items " +
                              Join(matches, [](int item) { return std::to_string(item); }) +
                              ": give the item's number."};
  }
  return {std::nullopt, QuotedText(text) + " begins several names: " + Candidates(names, matches) + "."};
}
