#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "exchange/front.h"
#include "items/edition_table.h"
#include "items/item_image.h"
#include "items/item_name_match.h"
#include "items/routine_names.h"

// One ROM for the length of a command, read once into memory: items are
// loaded and saved there, through the core's conversions and checks, and
// WriteChanges puts the bytes that changed into the file, in place. Opening
// throws a Refused (items/refusal.h) when the file cannot be read, is no
// supported ROM or has no item tables.
class RomSession {
 public:
  // The routines are named from the release, or else from the symbol file
  // `symbols`, or the one beside the ROM when none is given.
  explicit RomSession(const std::string& path, const std::optional<std::string>& symbols = std::nullopt);
  RomSession(const RomSession&) = delete;  // the names point into it
  RomSession& operator=(const RomSession&) = delete;

  // Item 1 to 255, with its texts.
  ItemRecord Load(int item) const { return image_.Load(item); }
  // Stores the record's bytes into `item` in memory; its texts are SaveTexts'.
  void Save(int item, const ItemRecord& record);
  // Stores the names and descriptions of `edits` in memory, all or none; a
  // text that breaks a rule or does not fit is refused (invalid input) with
  // the core's own message, naming every such text.
  void SaveTexts(const std::vector<ItemTextEdit>& edits);
  // Writes what Save changed into the file, only those bytes, after seeing
  // that the file still holds what was read; a file error otherwise, worded
  // for `front`.
  void WriteChanges(Front front = Front::Tool);

  const Edition& RomEdition() const { return *image_.RomEdition(); }
  // The names and descriptions with their rooms.
  const ItemTexts& Texts() const { return image_.Texts(); }
  // The image, with what Save and SaveTexts stored.
  std::span<const uint8_t> Bytes() const { return image_.Bytes(); }
  // The ROM's item names, by item number.
  ItemNameViews Names() const { return names_; }
  // The same names as the ROM spells them.
  ItemNameViews Spellings() const { return spellings_; }
  const RoutineNames& Routines() const { return routines_; }

 private:
  std::string path_;
  ItemImage image_;
  RoutineNames routines_;
  void KeepReadBytes();

  // The file as it was read, kept from the first Save on, to compare with.
  RomBytes read_;
  std::vector<std::string_view> names_, spellings_;
};

// The routine names of `image`, read from `romPath`: from the release, or
// else from the symbol file `symbols`, or the one beside the ROM.
RoutineNames RomRoutineNames(const ItemImage& image, const std::string& romPath,
                             const std::optional<std::string>& symbols);
