#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "items/edition_table.h"
#include "items/editor_problem.h"
#include "items/image_edition.h"
#include "items/item_name_list.h"
#include "items/item_record.h"
#include "items/item_table_finder.h"
#include "items/item_texts.h"
#include "rom_io/rom_bytes.h"

// A whole ROM in memory, for work on many items at once: its edition, tables
// and names found as the editor's Open finds them, and its items read and
// changed as records, where the editor's Load and Save find them, and its
// item names and descriptions. Writing the changed bytes back is the caller's.
class ItemImage {
 public:
  explicit ItemImage(RomBytes bytes);

  // Why no item can be read: NoRomOpen for a file of no supported edition,
  // CutShort for one shorter than its header gives, TablesNotFound when the
  // game's code does not lead to both tables.
  EditorProblem Problem() const { return problem_; }
  // What the message of Problem() names, for the file at `path`.
  ProblemDetails Details(const std::string& path) const;
  // The edition, or null when it was not recognised.
  const Edition* RomEdition() const { return header_.edition; }
  // How the header names the edition.
  const HeaderEdition& Header() const { return header_; }
  const ItemTables& Tables() const { return tables_; }
  const ItemNameList& Names() const { return names_; }
  const ItemTexts& Texts() const { return texts_; }
  const RomBytes& Bytes() const { return bytes_; }

  // Item 1 to 255 of an image without a problem, with its texts.
  ItemRecord Load(int item) const;
  // Writes the record's bytes into the image, its pointer exactly when the
  // item has one. Its texts are stored with StoreTexts, all together, as
  // they share their room.
  void Store(int item, const ItemRecord& record);
  // Checks every text, then writes those that change into the image; a
  // refusal changes nothing. The names follow what was written.
  TextOutcome StoreTexts(const std::vector<ItemTextEdit>& edits);

 private:
  RomBytes bytes_;
  HeaderEdition header_;
  ItemTables tables_;
  ItemNameList names_;
  ItemTexts texts_;
  EditorProblem problem_ = EditorProblem::None;
};
