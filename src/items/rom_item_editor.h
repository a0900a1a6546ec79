#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "items/edition_table.h"
#include "items/editor_problem.h"
#include "items/image_edition.h"
#include "items/item_name_list.h"
#include "items/item_table_finder.h"
#include "items/item_texts.h"
#include "items/routine_names.h"
#include "items/table_places.h"
#include "items/item_fields.h"
#include "items/save_outcome.h"
#include "rom_io/rom_bytes.h"

// Holds the state of the open ROM and carries out the editor's three
// commands. Open finds the item tables through the game's code that reads
// them; without both tables no item is read or written. Every item's bytes
// go through the hex routines, and each Load and Save first checks that the
// file still has its tables where the Open found them.
//
// Load and Save read and write the file itself, a few bytes at a time
// (ReadHexBytes, WriteHexBytes), rather than a copy of the ROM in memory as
// the item table and the tool do (ItemImage): the editor holds no image
// that could go stale, so what other programs write between its commands
// stays, and a Save touches no byte but the loaded item's.
class RomItemEditor {
 public:
  struct OpenResult {
    std::string label;  // for the edition label
    bool enableFrames = false;
    // Set when the chosen file cannot be read; a cancel or a file of no
    // supported edition only shows in the label.
    std::string message;
    EditorProblem problem = EditorProblem::None;
    std::error_code cause{};
    // Where the tables were found away from the clean game's places; empty
    // for a ROM laid out as the clean game is.
    std::vector<TablePlace> tablePlaces;
    // Which header field is not the release's, or why the header keeps the
    // ROM from opening (DescribeHeader); empty for a release's header.
    std::string headerNote;
  };

  struct LoadResult {
    std::optional<ItemFields> fields;  // empty when the Load was refused
    std::string message;               // why it was refused
    bool enableAsmFrame = false;
    EditorProblem problem = EditorProblem::None;
    std::error_code cause{};
    // The item's description as the Open found it; empty above item 190 and
    // where descriptions cannot be read.
    std::string description;
  };

  OpenResult OpenRom(const std::string& path);
  LoadResult LoadItem(int16_t listIndex);
  // Writes the fields into the item of the last Load, not the one now
  // selected, and only when that Load succeeded on a file of the edition now
  // open. Every field and the file are checked before the first byte is
  // written. Saving into the file the item was loaded from, or last saved
  // into, is refused when the item's bytes there are no longer what this
  // editor read or wrote: another program or window changed them, and
  // writing every field would silently put those changes back.
  SaveOutcome SaveItem(const ItemFields& fields);

  const std::string& RomPath() const { return romPath_; }
  const std::string& VersionByte() const { return versionByte_; }
  // Where the last Open found the tables, 0 for a table it did not find.
  int32_t ItemTableBase() const { return tables_.items.value_or(0); }
  int32_t AsmTableBase() const { return tables_.pointers.value_or(0); }
  const ItemTables& Tables() const { return tables_; }
  // The open ROM's item names; the built-in ones before an Open.
  const ItemNameList& Names() const { return names_; }
  const std::string& ItemIndexText() const { return itemIndexText_; }
  // The names of the open ROM's item-use routines, from the release or the
  // symbol file beside the ROM, as the last Open found them.
  const RoutineNames& Routines() const { return routines_; }
  // The edition found at the last Open, or null when it was not recognised.
  const Edition* OpenEdition() const { return edition_; }

 private:
  struct FileCheck {
    EditorProblem problem = EditorProblem::None;
    std::error_code cause{};
    int64_t size = 0;  // the file's length now, for SizeChanged
    std::optional<RomBytes> image{};  // the file as it was checked, when it passed
  };
  // An item's fields as this editor last read them from a file or wrote
  // them there.
  struct ItemOnDisk {
    std::string path;
    ItemFields fields;
  };

  std::string ReadGameCode() const;
  OpenResult UnrecognisedOpen(const HeaderEdition& header) const;
  OpenResult CutShortOpen(std::span<const uint8_t> image);
  void FindTablesAndNames(const std::optional<RomBytes>& image);
  std::optional<int> LoadedItem() const;
  FileCheck CheckFile(bool saving) const;
  ItemFields ReadFields(int item) const;
  ItemOnDisk* OnDiskHere();
  std::vector<std::string_view> ChangedOnDisk(int item);
  ProblemDetails Details(int item, bool saving, std::error_code cause = {}) const;
  ProblemDetails CheckDetails(int item, bool saving, const FileCheck& check) const;

  std::string romPath_;
  std::string versionByte_;
  ItemTables tables_;
  ItemNameList names_;
  RoutineNames routines_;
  std::string itemIndexText_;
  const Edition* edition_ = nullptr;
  int64_t openSize_ = 0;  // the file's length at the Open
  // The loaded item in each file it was read from or written to since its Load.
  std::vector<ItemOnDisk> onDisk_;
  // The edition open at the last Load, or null when that Load was refused.
  const Edition* loadedEdition_ = nullptr;
};
