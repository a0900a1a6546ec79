#pragma once

class QComboBox;
class ItemNameList;

// Fills the item chooser with the 256 item names, nothing selected, and lets
// typing find an entry by any part of its name, without case or accents.
void FillItemList(QComboBox& list);

// Shows the open ROM's names in the chooser, keeping its choice.
void ShowItemNames(QComboBox& list, const ItemNameList& names);
