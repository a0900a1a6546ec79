#include "items/item_texts.h"

#include <algorithm>
#include <cassert>
#include <map>

#include "items/item_table_finder.h"
#include "items/text_packing.h"
#include "items/text_rules.h"

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

  void Add(TextProblem problem, TextProblemDetails details) {
    outcome_.problems.push_back(problem);
    outcome_.message += (outcome_.message.empty() ? "" : "\n") + DescribeTextProblem(problem, details);
  }
  void Text(int item, const CheckedText& checked, TextMap& changed) {
    if (checked.bytes) {
      changed[item] = *checked.bytes;
      return;
    }
    TextProblemDetails details = checked.details;
    details.item = ItemWords(item);
    Add(checked.problem, details);
  }
  void NoDescription(int item) {
    TextProblemDetails details;
    details.item = ItemWords(item);
    details.description = true;
    Add(TextProblem::NoDescription, details);
  }
  bool Clean() const { return outcome_.problems.empty(); }
  TextOutcome Outcome() {
    if (!Clean()) outcome_.message += " Nothing was written.";
    return std::move(outcome_);
  }

 private:
  std::string ItemWords(int item) const {
    return "item " + std::to_string(item) + " (" + std::string(names_[static_cast<size_t>(item)]) + ")";
  }

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
  std::string hint = "shorten other names by at least " + std::to_string(shortfall) +
                     (shortfall == 1 ? " byte." : " bytes.");
  if (most->second.size() < 2) return hint;
  const std::vector<int>& items = most->second;
  std::string where;
  for (size_t i = 0; i < std::min<size_t>(items.size(), 3); ++i) where += std::to_string(items[i]) + ", ";
  return hint + " The name \"" + DecodeGameText(most->first) + "\" stands at " + std::to_string(items.size()) +
         " items (" + where + "…), as the games' unused items share it; each letter taken off it at one of " +
         "them frees a byte.";
}

void WriteRoom(std::span<uint8_t> rom, const FileSpan& room, const std::vector<uint8_t>& bytes) {
  assert(static_cast<int64_t>(bytes.size()) == room.size);
  std::copy(bytes.begin(), bytes.end(), rom.begin() + room.offset);
}

}  // namespace

ItemTexts::ItemTexts(std::span<const uint8_t> rom) {
  if (const auto offset = FindItemNameList(rom)) names_ = ReadNameList(rom, *offset);
  descriptions_ = FindDescriptions(rom, NameRoomOf(names_));
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

TextOutcome ItemTexts::Store(std::span<uint8_t> rom, const std::vector<ItemTextEdit>& edits, ItemNameViews names) {
  TextCheck check(names);
  TextMap newNames, newDescriptions;
  for (const ItemTextEdit& edit : edits) {
    assert(HasItemRecord(edit.item));
    if (edit.name && edit.name != Name(edit.item)) check.Text(edit.item, CheckName(*edit.name), newNames);
    if (!edit.description) continue;
    if (!HasDescription(edit.item)) {
      check.NoDescription(edit.item);
    } else if (edit.description != Description(edit.item)) {
      check.Text(edit.item, CheckDescription(*edit.description), newDescriptions);
    }
  }
  if (!check.Clean()) return check.Outcome();

  // Both rooms are checked before either is written.
  PackedNames packedNames;
  if (!newNames.empty()) {
    const bool overlaps = NameRoomOf(names_) && (NameRoomOf(names_)->Overlaps(descriptions_.table) ||
                                                 NameRoomOf(names_)->Overlaps(descriptions_.code));
    if (!names_) {
      check.Add(TextProblem::NamesUnknown, {});
    } else if (!names_->HasRoom() || overlaps) {
      check.Add(TextProblem::NameRoomUnknown, {});
    } else {
      packedNames = PackNames(*names_, newNames);
      TextProblemDetails details;
      details.needed = packedNames.needed;
      details.room = names_->room;
      details.roomHint = NameRoomHint(*names_, details.needed - details.room);
      if (packedNames.room.empty()) check.Add(TextProblem::NamesDoNotFit, details);
    }
  }
  PackedDescriptions packedDescriptions;
  if (!newDescriptions.empty()) {
    TextProblemDetails details;
    details.roomProblem = descriptions_.problem;
    if (!descriptions_.Writable()) {
      check.Add(TextProblem::DescriptionRoomUnknown, details);
    } else {
      packedDescriptions = PackDescriptions(descriptions_, newDescriptions);
      details.needed = packedDescriptions.needed;
      details.room = descriptions_.room.size;
      if (packedDescriptions.room.empty()) check.Add(TextProblem::DescriptionsDoNotFit, details);
    }
  }
  if (!check.Clean()) return check.Outcome();

  if (!newNames.empty()) WriteRoom(rom, *NameRoomOf(names_), packedNames.room);
  if (!newDescriptions.empty()) {
    WriteRoom(rom, descriptions_.room, packedDescriptions.room);
    for (size_t i = 0; i < packedDescriptions.addresses.size(); ++i) {
      const auto at = static_cast<size_t>(descriptions_.table.offset) + 2 * i;
      rom[at] = static_cast<uint8_t>(packedDescriptions.addresses[i] & 0xFF);
      rom[at + 1] = static_cast<uint8_t>(packedDescriptions.addresses[i] >> 8);
    }
  }
  KeepRooms(rom);
  return check.Outcome();
}

// The room proven at the read stays the texts', though they may no longer
// fill it: what a shortened text gave up, a longer one may take.
void ItemTexts::KeepRooms(std::span<const uint8_t> rom) {
  const auto nameRoom = NameRoomOf(names_);
  const FileSpan descriptionRoom = descriptions_.room;
  *this = ItemTexts(rom);
  if (nameRoom && names_ && names_->HasRoom()) names_->room = nameRoom->size;
  if (descriptions_.Writable()) descriptions_.room = descriptionRoom;
}
