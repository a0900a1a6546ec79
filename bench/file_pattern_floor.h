#pragma once

#include <cstdint>
#include <string>

#include "items/edition_table.h"

// The least that the editor's file pattern can cost: the same cycles of
// open, read or write, and close, of the same byte counts, made with the
// system calls directly and nothing in between. What a command spends above
// its floor is Kestrune's own.
namespace FileFloor {

// Kestrune looks at a file's type before each open, so that a FIFO can never
// block it; the floor can do the same, to show what that look costs.
enum class TypeCheck { None, BeforeEachOpen };

// One stat, then the whole file read with one open: what finding the item
// tables needs. Returns the last byte read.
int ReadWholeFile(const std::string& path);

// A Load's checks (one open and close, the edition byte, the game code and
// the whole file read once to see that the tables have not moved) and its seven reads: the price's two bytes, five single
// bytes and the pointer's two. Returns the sum of the bytes read.
int LoadItem(const std::string& path, const Edition& edition, int item, TypeCheck check = TypeCheck::None);

// A Save's checks (one open for writing, the edition byte, the game code and
// the whole file read once), then one cycle of open, write and close for each byte of
// the record and, up to item 179, of the pointer. Returns the bytes written.
int SaveItem(const std::string& path, const Edition& edition, int item, TypeCheck check = TypeCheck::None);

// Both item tables, read whole with one open. Returns the sum of the bytes read.
int ReadItemTables(const std::string& path, const Edition& edition);

}  // namespace FileFloor
