#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The one rule by which a text names an item, for every place that reads
// item names: the window's chooser and suggestions, the tool's ITEM argument
// and the name column of an import. Letters compare without case or accents,
// whether an accent is part of its letter or follows it as its own character
// (as macOS writes names), and the beginning of a name is enough when it fits
// one name.
//
// `names` is the item list indexed by item number, entry 0 included; a ROM
// may name its items otherwise than the games do.
using ItemNameViews = std::span<const std::string_view>;

// `text` as names are compared: lower case, accents taken off Latin letters,
// typographic apostrophes and no-break spaces made plain. Bytes that are no
// UTF-8 stay as they are.
std::string FoldedName(std::string_view text);

bool IsUtf8(std::string_view text);

// "item 5 (Poké Ball)", the way every message names an item.
std::string DescribeItem(int item, ItemNameViews names);

// The entries whose name is `text`, folded; when there are none, the entries
// whose name begins with it. Empty for an empty text.
std::vector<int> ItemsNamed(ItemNameViews names, std::string_view text);

// Whether every entry of `items` bears the same name, as "Teru-Sama" does
// at several items.
bool AllNamedAlike(ItemNameViews names, const std::vector<int>& items);

// The entry that `text` names: the one whose name it is or begins, the first
// of several that bear one name; nothing when it fits no name, or begins
// names that differ.
std::optional<int> ItemNamed(ItemNameViews names, std::string_view text);

// Whether `text` names `item`: the item's name, or a beginning of it that
// fits no other name.
bool NamesItem(ItemNameViews names, std::string_view text, int item);

// The entries whose name holds `typed` anywhere, in list order: what the
// window suggests while the user types.
std::vector<int> ItemsContaining(ItemNameViews names, std::string_view typed);

// The same rule for many texts against one list, whose names are folded
// once: an import checks a name on every row. `spellings`, when given, are
// the same entries as the ROM spells them ("POKé DOLL", "TM01"): a text
// names an entry by either.
class ItemNameMatcher {
 public:
  explicit ItemNameMatcher(ItemNameViews names, ItemNameViews spellings = {});

  std::vector<int> ItemsNamed(std::string_view text) const;
  // Whether `text` is the whole of either name of `item`, not only its beginning.
  bool IsNameOf(std::string_view text, int item) const { return Is(static_cast<size_t>(item), FoldedName(text)); }
  bool NamesItem(std::string_view text, int item) const;
  std::vector<int> ItemsContaining(std::string_view typed) const;

 private:
  // Whether the folded text is, or begins, either name of `item`.
  bool Is(size_t item, std::string_view wanted) const;
  bool Begins(size_t item, std::string_view wanted) const;

  ItemNameViews names_;
  std::vector<std::string> folded_, foldedSpellings_;
};
