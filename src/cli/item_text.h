#pragma once

#include <string>

#include "items/item_fields.h"

// An item as the window shows it: the seven fields under their captions,
// what the Use, Type and pocket bytes mean, and any warnings.
std::string FormatItem(int item, const ItemFields& fields);
