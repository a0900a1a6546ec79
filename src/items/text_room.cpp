#include "items/text_room.h"

#include <algorithm>

#include "items/game_text.h"

FileSpan TextRoom(std::span<const uint8_t> rom, const FileSpan& used, const std::optional<FileSpan>& release) {
  if (!release || used.offset != release->offset || used.End() > release->End() ||
      release->End() > static_cast<int64_t>(rom.size())) {
    return used;
  }
  const auto tail = rom.subspan(static_cast<size_t>(used.End()), static_cast<size_t>(release->End() - used.End()));
  return std::ranges::all_of(tail, [](uint8_t byte) { return byte == TextEnd; }) ? *release : used;
}
