#include "items/game_text.h"

#include <algorithm>
#include <array>

#include "items/game_text_table.h"
#include "rom_io/hex_functions.h"

namespace {

// PC, TM, TRAINER and ROCKET: only the games' scripts ask for these bytes.
constexpr bool IsScriptWord(uint8_t byte) { return byte >= 0x5B && byte <= 0x5E; }
constexpr bool IsWordByte(uint8_t byte) { return byte == 0x54 || IsScriptWord(byte); }
// The small PK and MN glyphs: no item text of the games uses them, and a
// typed "MN" in "ALUMNI" is two letters, not one glyph.
constexpr bool IsGlyphPair(uint8_t byte) { return byte == 0xE1 || byte == 0xE2; }
constexpr bool EncoderMayChoose(uint8_t byte) { return !IsScriptWord(byte) && !IsGlyphPair(byte); }

const std::array<std::string_view, 256>& TextOfByte() {
  static const std::array<std::string_view, 256> table = [] {
    std::array<std::string_view, 256> text{};
    for (const GameTextCode& code : GameTextTable) text[code.byte] = code.text;
    return text;
  }();
  return table;
}

// The codes an encoder may choose, by the first byte of their text, longest
// text first and the lower byte first among texts of one length.
const std::array<std::vector<const GameTextCode*>, 256>& CodesByFirstByte() {
  static const std::array<std::vector<const GameTextCode*>, 256> table = [] {
    std::array<std::vector<const GameTextCode*>, 256> codes;
    for (const GameTextCode& code : GameTextTable) {
      if (EncoderMayChoose(code.byte)) codes[static_cast<uint8_t>(code.text.front())].push_back(&code);
    }
    for (auto& list : codes) {
      std::stable_sort(list.begin(), list.end(), [](const GameTextCode* a, const GameTextCode* b) {
        return a->text.size() != b->text.size() ? a->text.size() > b->text.size() : a->byte < b->byte;
      });
    }
    return codes;
  }();
  return table;
}

// The UTF-8 character that `text` begins with.
std::string FirstCharacter(std::string_view text) {
  const auto lead = static_cast<uint8_t>(text.front());
  const size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return std::string(text.substr(0, std::min(length, text.size())));
}

size_t CharacterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string DecodeGameText(std::span<const uint8_t> bytes) {
  std::string text;
  for (const uint8_t byte : bytes) {
    const std::string_view known = TextOfByte()[byte];
    if (byte == LineBreak) {
      text += '\n';
    } else {
      text += known.empty() ? "<" + HexFunctions::ByteToHex(byte) + ">" : std::string(known);
    }
  }
  return text;
}

EncodedGameText EncodeGameText(std::string_view text) {
  GameText bytes;
  while (!text.empty()) {
    if (text.front() == '\n') {
      bytes.push_back(LineBreak);
      text.remove_prefix(1);
      continue;
    }
    const auto& codes = CodesByFirstByte()[static_cast<uint8_t>(text.front())];
    const auto match = std::find_if(codes.begin(), codes.end(),
                                    [text](const GameTextCode* code) { return text.starts_with(code->text); });
    if (match == codes.end()) return {std::nullopt, FirstCharacter(text)};
    bytes.push_back((*match)->byte);
    text.remove_prefix((*match)->text.size());
  }
  return {std::move(bytes), {}};
}

int PrintedWidth(std::span<const uint8_t> line) {
  size_t width = 0;
  for (const uint8_t byte : line) width += IsWordByte(byte) ? CharacterCount(TextOfByte()[byte]) : 1;
  return static_cast<int>(width);
}

std::vector<std::span<const uint8_t>> TextLines(std::span<const uint8_t> text) {
  std::vector<std::span<const uint8_t>> lines;
  for (auto start = text.begin();;) {
    const auto end = std::find(start, text.end(), LineBreak);
    lines.emplace_back(start, end);
    if (end == text.end()) return lines;
    start = end + 1;
  }
}
