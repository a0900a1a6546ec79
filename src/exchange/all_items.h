#pragma once

#include <vector>

#include "exchange/item_export.h"
#include "exchange/rom_session.h"

// Items 1 to 255 of the session as the export writes them.
std::vector<ItemRow> AllItemRows(const RomSession& session);
