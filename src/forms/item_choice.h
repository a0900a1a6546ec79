#pragma once

#include <string>
#include <string_view>

#include "items/item_name_list.h"
#include "items/named_item.h"
#include "items/rom_item_editor.h"

// How the item and pocket lists of both front ends read and show their
// entries. Names repeat in the item list, so a name alone does not always
// tell which entry is meant.

// The item a chooser of `names` means: the entry it shows, while its text
// still is that entry's name; otherwise the item the text names by the
// tool's rule (items/named_item.h), or why it names none. An empty text
// names nothing and gives no reason.
NamedItem ChosenItem(int currentEntry, std::string_view text, const ItemNameList& names);

// The Load command of both windows: loads the chosen item, or refuses as a
// Load of no item does, with the chooser's reason in its message.
RomItemEditor::LoadResult LoadChosenItem(RomItemEditor& rom, int currentEntry, std::string_view text);
