#include "items/item_texts.h"

#include <algorithm>
#include <cassert>
#include <map>

#include "items/image_edition.h"
#include "items/item_table_finder.h"
#include "items/text_packing.h"
#include "items/text_rules.h"
#include "items/wording.h"

namespace {

using TextMap = std::map<int, GameText>;

std::optional<FileSpan> NameRoomOf(const std::optional<NameList>& names) {
  if (!names || !names->HasRoom()) return std::nullopt;
  return names->Room();
}

// Gathers the changed texts and every problem with them.
class TextCheck {
 public:
  explicit TextCheck(ItemNameViews names) : names_(names) {}

  void Add(TextProblem problem, const TextProblemDetails& details) {
    outcome_.problems.push_back(problem);
    if (!outcome_.message.empty()) outcome_.message += '\n';
    outcome_.message += DescribeTextProblem(problem, details);
  }
  void Text(int item, const CheckedText& checked, TextMap& changed) {
    if (checked.bytes) {
      changed[item] = *checked.bytes;
      return;
    }
    TextProblemDetails details = checked.details;
    details.item = DescribeItem(item, names_);
    Add(checked.problem, details);
  }
  void NoDescription(int item) {
    TextProblemDetails details;
    details.item = DescribeItem(item, names_);
    details.description = true;
    Add(TextProblem::NoDescription, details);
  }
  bool Clean() const { return outcome_.problems.empty(); }
  TextOutcome Found() { return std::move(outcome_); }
  TextOutcome Outcome() {
    if (!Clean()) outcome_.message += " Nothing was written.";
    return Found();
  }

 private:
  ItemNameViews names_;
  TextOutcome outcome_;
};

// Where names can give up room: the name that stands at the most items, as
// the games' unused items share one.
std::string NameRoomHint(const NameList& list, int64_t shortfall) {
  std::map<GameText, std::vector<int>> itemsOf;
  for (int item = 1; item <= LastItem; ++item) itemsOf[list.entries[static_cast<size_t>(item - 1)]].push_back(item);
  const auto most = std::max_element(itemsOf.begin(), itemsOf.end(),
                                     [](const auto& a, const auto& b) { return a.second.size() < b.second.size(); });
  std::string hint =
      "shorten other names by at least " + Counted(static_cast<size_t>(shortfall), "byte", "bytes") + ".";
  if (most->second.size() < 2) return hint;
  const std::vector<int>& items = most->second;
  std::string where;
  for (size_t i = 0; i < std::min<size_t>(items.size(), 3); ++i) where += std::to_string(items[i]) + ", ";
  return hint + " The name " + QuotedText(DecodeGameText(most->first)) + " stands at " + std::to_string(items.size()) +
         " items (" + where + "…), as the games' unused items share it; each letter taken off it at one of " +
         "them frees a byte.";
}

// Whether the names' room is proven, so that new names may be written.
bool NameRoomKnown(const std::optional<NameList>& names, const DescriptionTexts& descriptions, TextCheck& check) {
  const auto room = NameRoomOf(names);
  if (!names) {
    check.Add(TextProblem::NamesUnknown, {});
  } else if (!room || room->Overlaps(descriptions.table) || room->Overlaps(descriptions.code)) {
    check.Add(TextProblem::NameRoomUnknown, {});
  } else {
    return true;
  }
  return false;
}

bool DescriptionRoomKnown(const DescriptionTexts& descriptions, TextCheck& check) {
  if (descriptions.Writable()) return true;
  TextProblemDetails details;
  details.roomProblem = descriptions.problem;
  check.Add(TextProblem::DescriptionRoomUnknown, details);
  return false;
}

// The names laid out again, or the problem with their room.
PackedNames PlanNames(const std::optional<NameList>& names, const DescriptionTexts& descriptions,
                      const TextMap& changed, TextCheck& check) {
  if (!NameRoomKnown(names, descriptions, check)) return {};
  PackedNames packed = PackNames(*names, changed);
  if (!packed.room.empty()) return packed;
  TextProblemDetails details;
  details.needed = packed.needed;
  details.room = names->room;
  details.roomHint = NameRoomHint(*names, details.needed - details.room);
  check.Add(TextProblem::NamesDoNotFit, details);
  return {};
}

PackedDescriptions PlanDescriptions(const DescriptionTexts& descriptions, const TextMap& changed, TextCheck& check) {
  if (!DescriptionRoomKnown(descriptions, check)) return {};
  PackedDescriptions packed = PackDescriptions(descriptions, changed);
  if (packed.room.empty()) {
    TextProblemDetails details;
    details.needed = packed.needed;
    details.room = descriptions.room.size;
    check.Add(TextProblem::DescriptionsDoNotFit, details);
  }
  return packed;
}

void WriteRoom(std::span<uint8_t> rom, const FileSpan& room, const std::vector<uint8_t>& bytes) {
  assert(static_cast<int64_t>(bytes.size()) == room.size);
  std::copy(bytes.begin(), bytes.end(), rom.begin() + room.offset);
}

// Addresses are stored low byte first.
void WriteAddresses(std::span<uint8_t> rom, const FileSpan& table, const std::array<uint16_t, LastItem>& addresses) {
  for (size_t i = 0; i < addresses.size(); ++i) {
    const auto at = static_cast<size_t>(table.offset) + 2 * i;
    rom[at] = static_cast<uint8_t>(addresses[i] & 0xFF);
    rom[at + 1] = static_cast<uint8_t>(addresses[i] >> 8);
  }
}

// Each text that changes, by the rules of one text, into `newNames` and
// `newDescriptions`; a text equal to the item's own is no change.
void CheckEach(const ItemTexts& texts, const std::vector<ItemTextEdit>& edits, TextCheck& check, TextMap& newNames,
               TextMap& newDescriptions) {
  for (const ItemTextEdit& edit : edits) {
    assert(HasItemRecord(edit.item));
    if (edit.name && edit.name != texts.Name(edit.item)) check.Text(edit.item, CheckName(*edit.name), newNames);
    if (!edit.description) continue;
    if (!HasDescription(edit.item)) {
      check.NoDescription(edit.item);
    } else if (edit.description != texts.Description(edit.item)) {
      check.Text(edit.item, CheckDescription(*edit.description), newDescriptions);
    }
  }
}

}  // namespace

ItemTexts::ItemTexts(std::span<const uint8_t> rom) : ItemTexts(rom, FindItemNameList(rom)) {}

ItemTexts::ItemTexts(std::span<const uint8_t> rom, std::optional<int64_t> nameList) : nameList_(nameList) {
  std::optional<FileSpan> releaseNames, releaseDescriptions;
  if (const Edition* edition = EditionOfImage(rom)) {
    releaseNames = edition->texts.nameRoom;
    releaseDescriptions = edition->texts.descriptionRoom;
  }
  if (nameList) names_ = ReadNameList(rom, *nameList, releaseNames);
  descriptions_ = FindDescriptions(rom, NameRoomOf(names_), releaseDescriptions);
}

std::optional<std::string> ItemTexts::Name(int item) const {
  assert(HasItemRecord(item));
  if (!names_) return std::nullopt;
  return DecodeGameText(names_->entries[static_cast<size_t>(item - 1)]);
}

std::optional<std::string> ItemTexts::Description(int item) const {
  assert(HasItemRecord(item));
  if (!HasDescription(item) || !descriptions_.Readable()) return std::nullopt;
  const auto& text = descriptions_.Of(item);
  if (!text) return std::nullopt;
  return DecodeGameText(*text);
}

TextOutcome ItemTexts::Check(const std::vector<ItemTextEdit>& edits, ItemNameViews names) const {
  TextCheck check(names);
  TextMap newNames, newDescriptions;
  CheckEach(*this, edits, check, newNames, newDescriptions);
  if (!newNames.empty()) NameRoomKnown(names_, descriptions_, check);
  if (!newDescriptions.empty()) DescriptionRoomKnown(descriptions_, check);
  return check.Found();
}

TextOutcome ItemTexts::Store(std::span<uint8_t> rom, const std::vector<ItemTextEdit>& edits, ItemNameViews names) {
  TextCheck check(names);
  TextMap newNames, newDescriptions;
  CheckEach(*this, edits, check, newNames, newDescriptions);
  if (!check.Clean()) return check.Outcome();

  // Both rooms are checked before either is written.
  const PackedNames packedNames = newNames.empty() ? PackedNames{} : PlanNames(names_, descriptions_, newNames, check);
  const PackedDescriptions packedDescriptions =
      newDescriptions.empty() ? PackedDescriptions{} : PlanDescriptions(descriptions_, newDescriptions, check);
  if (!check.Clean()) return check.Outcome();

  if (!newNames.empty()) WriteRoom(rom, *NameRoomOf(names_), packedNames.room);
  if (!newDescriptions.empty()) {
    WriteRoom(rom, descriptions_.room, packedDescriptions.room);
    WriteAddresses(rom, descriptions_.table, packedDescriptions.addresses);
  }
  KeepRooms(rom);
  return check.Outcome();
}

// The room proven at the read stays the texts' while they are held, though
// they may no longer fill it: what a shortened text gave up, a longer one
// may take. Read again, only a release's layout proves it (TextRoom).
void ItemTexts::KeepRooms(std::span<const uint8_t> rom) {
  const auto nameRoom = NameRoomOf(names_);
  const FileSpan descriptionRoom = descriptions_.room;
  *this = ItemTexts(rom, nameList_);
  if (nameRoom && names_ && names_->HasRoom()) names_->room = nameRoom->size;
  if (descriptions_.Writable()) descriptions_.room = descriptionRoom;
}
