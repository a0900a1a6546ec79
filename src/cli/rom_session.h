#pragma once

#include <string>

#include "cli/item_values.h"
#include "items/edition_table.h"
#include "items/item_fields.h"
#include "items/rom_item_editor.h"

// One ROM opened through the core for the length of a command. Opening
// fails with a CliError when the file cannot be read (file error) or is no
// supported ROM (invalid input); a Save the core refuses or fails is turned
// into a CliError carrying the core's own message.
class RomSession {
 public:
  explicit RomSession(const std::string& path);

  // Item 1 to 255.
  ItemFields Load(int item);
  // The same item in the tool's columns.
  ItemValues LoadValues(int item);
  // Writes `fields` into `item` through the core's checked Save.
  void Save(int item, const ItemFields& fields);
  const Edition& RomEdition() const { return *editor_.OpenEdition(); }

 private:
  std::string path_;
  RomItemEditor editor_;
};

// "item 5 (Poké Ball)", the way every message names an item.
std::string DescribeItem(int item);
