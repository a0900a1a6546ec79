#pragma once

#include <windows.h>

#include "items/item_name_match.h"

// The item list's suggestions while the user types: a list under the item
// chooser of the items whose names hold the typed text. Clicking one, or
// Enter, chooses it; Esc closes the list.
class ItemCompletion {
 public:
  ItemCompletion(HWND window, HWND chooser, int id);

  // The chooser's text changed; `names` are those the chooser shows.
  void Update(ItemNameViews names);
  // Chooses the highlighted suggestion, or the first; false when none is shown.
  bool Accept();
  void Close();
  // Closes the suggestions unless the chooser or they hold the focus.
  void CloseUnlessFocused();

 private:
  HWND chooser_;
  HWND list_;
};
