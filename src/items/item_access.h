#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "items/item_encoding.h"
#include "items/item_fields.h"
#include "items/item_record.h"
#include "items/item_table_finder.h"

// Where one item's fields lie in its tables and how each is read and
// written, whatever holds the bytes: the ROM file through the hex routines,
// or an image of it in memory. The tables must have been found.

// Reads `count` bytes at `offset` as hex text.
using HexReader = std::function<std::string(int32_t offset, int32_t count)>;
// Writes hex text at `offset`; returns how many bytes were written.
using HexWriter = std::function<int32_t(int32_t offset, const std::string& hexText)>;

ItemFields ReadItemFields(const HexReader& read, const ItemTables& tables, int item);

// The record's seven bytes and, up to item 179, the pointer's two, each
// field with its own write. Returns how many bytes were written.
int32_t WriteItemBytes(const HexWriter& write, const ItemTables& tables, int item, const ItemBytes& bytes);

// The item's bytes in an image of the file, without its texts, and back:
// the pointer only up to item 179.
ItemRecord ReadItemRecord(std::span<const uint8_t> image, const ItemTables& tables, int item);
void WriteItemRecord(std::span<uint8_t> image, const ItemTables& tables, int item, const ItemRecord& record);

// How many bytes WriteItemBytes writes for `item`.
int32_t ItemByteCount(int item);
