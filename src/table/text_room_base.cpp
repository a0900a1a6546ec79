#include "table/text_room_base.h"

#include <algorithm>

namespace {

TextRoomBase BaseOf(std::vector<FileSpan> spans, std::span<const uint8_t> rom) {
  TextRoomBase base{std::move(spans), {}};
  for (const FileSpan& span : base.spans) {
    const auto bytes = rom.subspan(static_cast<size_t>(span.offset), static_cast<size_t>(span.size));
    base.bytes.insert(base.bytes.end(), bytes.begin(), bytes.end());
  }
  return base;
}

}  // namespace

bool TextRoomBase::HeldBy(std::span<const uint8_t> rom) const {
  auto expected = bytes.begin();
  for (const FileSpan& span : spans) {
    if (span.End() > static_cast<int64_t>(rom.size())) return false;
    const auto held = rom.subspan(static_cast<size_t>(span.offset), static_cast<size_t>(span.size));
    if (!std::equal(held.begin(), held.end(), expected)) return false;
    expected += span.size;
  }
  return true;
}

TextRoomBase NameRoomBase(const ItemTexts& texts, std::span<const uint8_t> rom) {
  std::vector<FileSpan> spans;
  if (texts.NameRoom() && texts.NameRoom()->HasRoom()) spans.push_back(texts.NameRoom()->Room());
  return BaseOf(std::move(spans), rom);
}

TextRoomBase DescriptionRoomBase(const ItemTexts& texts, std::span<const uint8_t> rom) {
  std::vector<FileSpan> spans;
  if (texts.Descriptions().Writable()) spans = {texts.Descriptions().table, texts.Descriptions().room};
  return BaseOf(std::move(spans), rom);
}
