#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "items/description_texts.h"
#include "items/item_name_match.h"
#include "items/name_list_texts.h"
#include "items/text_problem.h"

// A change to an item's texts: each given text replaces the item's own.
struct ItemTextEdit {
  int item = 0;
  std::optional<std::string> name, description;
};

struct TextOutcome {
  std::vector<TextProblem> problems;  // empty when the texts were stored
  std::string message;                // every problem, one sentence each

  bool saved() const { return problems.empty(); }
};

// The item names and descriptions of one ROM, found through the game's code,
// with the room each has. A change is checked whole before any byte is
// written, and is written only inside the name list's room, the
// descriptions' room and their table of addresses.
class ItemTexts {
 public:
  ItemTexts() = default;
  explicit ItemTexts(std::span<const uint8_t> rom);
  // The same, where the name list was already found at `nameList` (or not found).
  ItemTexts(std::span<const uint8_t> rom, std::optional<int64_t> nameList);

  // Item 1 to 255's name as the ROM spells it, when the list can be read.
  std::optional<std::string> Name(int item) const;
  // Item 1 to 190's description, when it can be read; nothing above 190.
  std::optional<std::string> Description(int item) const;

  const std::optional<NameList>& NameRoom() const { return names_; }
  const DescriptionTexts& Descriptions() const { return descriptions_; }
  // Where the game's code said the name list starts, when it was found: a
  // write inside the rooms does not move it, so no search need find it again.
  std::optional<int64_t> NameListOffset() const { return nameList_; }

  // Checks each text of `edits` on its own, and that the room of the texts
  // they change is proven, as Store does before it packs them: what can be
  // told as soon as a text is typed or pasted.
  TextOutcome Check(const std::vector<ItemTextEdit>& edits, ItemNameViews names) const;
  // Checks every edit, then puts the texts that change into `rom`, which
  // holds the bytes this was read from. A text equal to the item's own is no
  // change and keeps its bytes. `names` name the items in messages. On a
  // refusal `rom` is left as it was.
  TextOutcome Store(std::span<uint8_t> rom, const std::vector<ItemTextEdit>& edits, ItemNameViews names);

 private:
  void KeepRooms(std::span<const uint8_t> rom);

  std::optional<int64_t> nameList_;
  std::optional<NameList> names_;
  DescriptionTexts descriptions_;
};
