#pragma once

#include <cstdint>

class QComboBox;

// Fills the item chooser with the 256 item names, nothing selected, and lets
// typing find an entry by any part of its name, without case or accents.
void FillItemList(QComboBox& list);

// The index of the entry the chooser shows, or -1 when its text names none.
int16_t SelectedItem(const QComboBox& list);
