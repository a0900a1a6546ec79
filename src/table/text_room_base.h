#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "items/file_span.h"
#include "items/item_texts.h"

// A text room as the file held it when a pending text was first typed into
// it. A name or description edit rewrites its whole room (the name list, or
// the descriptions with their table of addresses), so that edit was made on
// every byte of it.
struct TextRoomBase {
  std::vector<FileSpan> spans;
  std::vector<uint8_t> bytes;

  // Whether `rom` still holds those bytes there.
  bool HeldBy(std::span<const uint8_t> rom) const;
  friend bool operator==(const TextRoomBase&, const TextRoomBase&) = default;
};

TextRoomBase NameRoomBase(const ItemTexts& texts, std::span<const uint8_t> rom);
TextRoomBase DescriptionRoomBase(const ItemTexts& texts, std::span<const uint8_t> rom);
