#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A pocket as the main window's pocket list shows it: one of its five names,
// or the byte itself in brackets, "(05)", past them.
std::string PocketCellText(int16_t value);
// What a pocket cell takes: the list's texts, and what an import takes (a
// number from 0 to 255, or a name in any case).
std::optional<int16_t> PocketFromCell(std::string_view text);
