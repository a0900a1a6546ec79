#include "cli/item_argument.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "cli/cli_error.h"
#include "items/edition_table.h"
#include "items/item_names.h"

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

constexpr std::ptrdiff_t kCandidatesShown = 6;

// The base letters of U+00C0 to U+00FF, lower case; '-' keeps the character as it is.
constexpr std::string_view kLatin1Letters = "aaaaaaaceeeeiiiidnooooo-ouuuuy-saaaaaaaceeeeiiiidnooooo-ouuuuy-y";
static_assert(kLatin1Letters.size() == 0x40);

// `text` in lower case with the accents of Latin-1 letters taken off, so
// that "POKÉ BALL" and "poke ball" fold alike. Other bytes stay as they are.
std::string Folded(std::string_view text) {
  std::string folded;
  for (size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const size_t next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
    // U+00C0 to U+00FF are C3 80 to C3 BF in UTF-8.
    if (byte == 0xC3 && next >= 0x80 && next <= 0xBF && kLatin1Letters[next - 0x80] != '-') {
      folded += kLatin1Letters[next - 0x80];
      ++at;
    } else {
      folded += static_cast<char>(std::tolower(byte));
    }
  }
  return folded;
}

// The items whose folded name equals `folded`, or else those it begins.
std::vector<int> MatchingItems(const std::string& folded) {
  std::vector<int> exact;
  std::vector<int> prefixed;
  for (int item = 1; item <= LastItem && !folded.empty(); ++item) {
    const std::string name = Folded(ItemNames[static_cast<size_t>(item)]);
    if (name == folded) exact.push_back(item);
    if (name.starts_with(folded)) prefixed.push_back(item);
  }
  return exact.empty() ? prefixed : exact;
}

std::string_view NameOf(int item) { return ItemNames[static_cast<size_t>(item)]; }

bool AllNamedAlike(const std::vector<int>& items) {
  return std::all_of(items.begin(), items.end(), [&items](int item) { return NameOf(item) == NameOf(items[0]); });
}

template <typename Range, typename ToText>
std::string Join(const Range& range, ToText toText) {
  std::string text;
  for (const auto& element : range) text += (text.empty() ? "" : ", ") + std::string(toText(element));
  return text;
}

// "Poké Ball (5), pokeDoll (37)"; a short beginning fits dozens of names,
// and a few show what to type.
std::string Candidates(const std::vector<int>& items) {
  const std::vector<int> shown(items.begin(),
                               items.begin() + std::min<std::ptrdiff_t>(kCandidatesShown, std::ssize(items)));
  const size_t more = items.size() - shown.size();
  return Join(shown, [](int item) { return std::string(NameOf(item)) + " (" + std::to_string(item) + ")"; }) +
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

int ParseItem(std::string_view text) {
  if (const auto number = ParseDecimal(text, 1, LastItem)) return *number;
  const std::vector<int> matches = MatchingItems(Folded(text));
  if (matches.size() == 1) return matches.front();
  if (matches.empty()) {
    throw InvalidInput("There is no item \"" + std::string(text) +
                       "\": give a number from 1 to 255 or an item's name.");
  }
  if (AllNamedAlike(matches)) {
    throw InvalidInput("The name \"" + std::string(NameOf(matches[0])) + "\" stands at items " +
                       Join(matches, [](int item) { return std::to_string(item); }) + ": give the item's number.");
  }
  throw InvalidInput("\"" + std::string(text) + "\" begins several names: " + Candidates(matches) + ".");
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
