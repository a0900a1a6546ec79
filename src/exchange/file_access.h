#pragma once

#include <cstdint>
#include <string>

#include "items/refusal.h"
#include "items/wording.h"

// Whole-file reads and writes for the tool's own inputs and outputs; ROM
// items go through the core. Each throws a Refused naming the file and the
// operating system's reason when it cannot do its job.

// The size of a regular file that can be opened for reading. Refuses a file
// that standard output is also writing into, so that "> ROM" or ">> ROM"
// cannot replace or extend what is being read, and a file on disk as
// standard output that cannot be told apart from it.
int64_t ReadableFileSize(const std::string& path);
std::string ReadTextFile(const std::string& path);
// Creates or replaces `path` with `text` as a whole: what was there stays
// until the new text is complete.
void WriteTextFile(const std::string& path, const std::string& text);
// Refuses an output that is one of the inputs, also when a
// symbolic or hard link names it.
void RefuseOutputOverInput(const std::string& output, const std::string& input);
// Makes a write that standard output loses throw std::ios_base::failure at
// once, while the system's reason is still known.
void WatchStandardOutput();
// Writes out what standard output still holds; throws a Refused when that
// fails.
void FlushStandardOutput();
// Records that the command has written into a ROM.
void NoteRomWritten();
// The refusal for a write to standard output that failed just now; after a
// ROM was written, it says first that the ROM was saved.
Refusal StandardOutputError();
