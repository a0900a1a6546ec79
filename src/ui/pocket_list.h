#pragma once

#include <cstdint>

class QComboBox;

// Fills the pocket list with its five entries, nothing selected. Each entry
// carries the pocket byte it stands for.
void FillPocketList(QComboBox& list);

// Selects the entry of a pocket value; -1 selects none. A value past the five
// entries gets an entry of its own that shows the byte, such as "(05)", so
// that a Save writes it back unchanged.
void ShowPocket(QComboBox& list, int16_t value);

// The pocket value of the selected entry, or -1 when none is selected.
int16_t SelectedPocket(const QComboBox& list);
