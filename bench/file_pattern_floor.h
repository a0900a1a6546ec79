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

// A Load's checks (one open and close, the file size, the edition byte and
// the game code) and its seven reads: the price's two bytes, five single
// bytes and the pointer's two. Returns the sum of the bytes read.
int LoadItem(const std::string& path, const Edition& edition, int item, TypeCheck check = TypeCheck::None);

// A Save's checks (one open for writing, the file size, the edition byte and
// the game code), then one cycle of open, write and close for each byte of
// the record and, up to item 179, of the pointer. Returns the bytes written.
int SaveItem(const std::string& path, const Edition& edition, int item, TypeCheck check = TypeCheck::None);

// Both item tables, read whole with one open. Returns the sum of the bytes read.
int ReadItemTables(const std::string& path, const Edition& edition);

}  // namespace FileFloor
