#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "items/item_record.h"

// An item, under the name the ROM gives it, as the window shows it: the seven fields under their captions,
// what the Use, Type and pocket bytes mean, its description (none where it cannot be read), and any warnings.
std::string FormatItem(int item, std::string_view name, const ItemRecord& record);
