#include "items/item_name_match.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

namespace {

// The base letter of U+00A0 to U+017F in lower case; '-' keeps the
// character as it is.
constexpr std::string_view kLatinBases =
    " -------------------------------aaaaaa-ceeeeiiii-nooooo-"
    "ouuuuy--aaaaaa-ceeeeiiii-nooooo-ouuuuy-yaaaaaaccccccccdd"
    "ddeeeeeeeeeegggggggghhhhiiiiiiiiii--jjkk-llllll--llnnnnn"
    "n---oooooo--rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzz-";
constexpr char32_t kFirstLatin = 0xA0;
static_assert(kLatinBases.size() == 0x180 - kFirstLatin);

constexpr char32_t kFirstCombiningMark = 0x300;
constexpr char32_t kLastCombiningMark = 0x36F;
constexpr char32_t kLeftSingleQuote = 0x2018;
constexpr char32_t kRightSingleQuote = 0x2019;

// The length of the UTF-8 sequence at the start of `text` and its code
// point; length 0 when no valid sequence starts there.
struct Decoded {
  size_t length = 0;
  char32_t point = 0;
};

Decoded DecodeOne(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return {1, lead};
  const size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
  if (length == 0 || text.size() < length) return {};
  char32_t point = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return {};
    point = (point << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and points past U+10FFFF are no UTF-8.
  constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (point < shortest[length] || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return {};
  return {length, point};
}

char LowerAscii(char32_t point) {
  return static_cast<char>(point >= 'A' && point <= 'Z' ? point - 'A' + 'a' : point);
}

// Appends what one code point folds to; `original` is its UTF-8 text.
void AppendFolded(std::string& folded, char32_t point, std::string_view original) {
  if (point >= kFirstCombiningMark && point <= kLastCombiningMark) return;
  if (point == kLeftSingleQuote || point == kRightSingleQuote) {
    folded += '\'';
  } else if (point < 0x80) {
    folded += LowerAscii(point);
  } else if (point >= kFirstLatin && point - kFirstLatin < kLatinBases.size() && kLatinBases[point - kFirstLatin] != '-') {
    folded += kLatinBases[point - kFirstLatin];
  } else {
    folded += original;
  }
}

}  // namespace

std::string FoldedName(std::string_view text) {
  std::string folded;
  while (!text.empty()) {
    const Decoded decoded = DecodeOne(text);
    if (decoded.length == 0) {
      folded += text.front();
      text.remove_prefix(1);
      continue;
    }
    AppendFolded(folded, decoded.point, text.substr(0, decoded.length));
    text.remove_prefix(decoded.length);
  }
  return folded;
}

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    const size_t length = DecodeOne(text).length;
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

std::vector<int> ItemsNamed(ItemNameViews names, std::string_view text) {
  return ItemNameMatcher(names).ItemsNamed(text);
}

bool AllNamedAlike(ItemNameViews names, const std::vector<int>& items) {
  return std::all_of(items.begin(), items.end(), [&](int item) {
    return names[static_cast<size_t>(item)] == names[static_cast<size_t>(items.front())];
  });
}

std::optional<int> ItemNamed(ItemNameViews names, std::string_view text) {
  const std::vector<int> items = ItemsNamed(names, text);
  if (items.empty() || !AllNamedAlike(names, items)) return std::nullopt;
  return items.front();
}

bool NamesItem(ItemNameViews names, std::string_view text, int item) {
  return ItemNameMatcher(names).NamesItem(text, item);
}

std::vector<int> ItemsContaining(ItemNameViews names, std::string_view typed) {
  return ItemNameMatcher(names).ItemsContaining(typed);
}

ItemNameMatcher::ItemNameMatcher(ItemNameViews names, ItemNameViews spellings) : names_(names) {
  assert(spellings.empty() || spellings.size() == names.size());
  folded_.reserve(names.size());
  for (const std::string_view name : names) folded_.push_back(FoldedName(name));
  foldedSpellings_.reserve(spellings.size());
  for (const std::string_view name : spellings) foldedSpellings_.push_back(FoldedName(name));
}

bool ItemNameMatcher::Is(size_t item, std::string_view wanted) const {
  return folded_[item] == wanted || (!foldedSpellings_.empty() && foldedSpellings_[item] == wanted);
}

bool ItemNameMatcher::Begins(size_t item, std::string_view wanted) const {
  return folded_[item].starts_with(wanted) ||
         (!foldedSpellings_.empty() && foldedSpellings_[item].starts_with(wanted));
}

std::vector<int> ItemNameMatcher::ItemsNamed(std::string_view text) const {
  const std::string wanted = FoldedName(text);
  if (wanted.empty()) return {};
  std::vector<int> items;
  for (size_t item = 0; item < folded_.size(); ++item) {
    if (Is(item, wanted)) items.push_back(static_cast<int>(item));
  }
  if (!items.empty()) return items;
  for (size_t item = 0; item < folded_.size(); ++item) {
    if (Begins(item, wanted)) items.push_back(static_cast<int>(item));
  }
  return items;
}

bool ItemNameMatcher::NamesItem(std::string_view text, int item) const {
  // A whole name of the item names it, though another item spells it alike
  // ("TERU-SAMA" is the spelling of unused items of other names too).
  if (IsNameOf(text, item)) return true;
  const std::vector<int> items = ItemsNamed(text);
  return AllNamedAlike(names_, items) && std::find(items.begin(), items.end(), item) != items.end();
}

std::vector<int> ItemNameMatcher::ItemsContaining(std::string_view typed) const {
  const std::string wanted = FoldedName(typed);
  std::vector<int> items;
  for (size_t item = 0; item < folded_.size(); ++item) {
    if (folded_[item].find(wanted) != std::string::npos) items.push_back(static_cast<int>(item));
  }
  return items;
}

std::string DescribeItem(int item, ItemNameViews names) {
  return "item " + std::to_string(item) + " (" + std::string(names[static_cast<size_t>(item)]) + ")";
}
