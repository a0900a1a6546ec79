#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "items/edition_table.h"
#include "items/file_span.h"
#include "items/game_text.h"

// The item descriptions, found through the routine that prints one. It
// reads a table of 255 addresses, item 1 first, each the start of a text in
// one bank. Items 191 to 255 show their move's description instead, and
// their entries point at placeholder texts that several items share.

// Gold and Silver: table and texts in the bank given (twice) by the code.
inline constexpr std::string_view GoldSilverDescriptionCode =
    "D5 21 LL HH FA .. .. 3D 4F 06 00 09 09 3E BB CD .. .. 54 5D E1 3E BB C3";
// Crystal: table and texts in the bank of the routine itself.
inline constexpr std::string_view CrystalDescriptionCode = "D5 21 LL HH FA .. .. 3D 4F 06 00 09 09 5E 23 56 E1 C3";

inline constexpr int LastItemWithDescription = 190;
inline constexpr int DescriptionLines = 2;
inline constexpr int DescriptionLineWidth = 18;
constexpr bool HasDescription(int item) { return item >= 1 && item <= LastItemWithDescription; }

// Why the descriptions' room is not known, in which case they are only read.
enum class DescriptionRoomProblem {
  None,
  CodeNotFound,     // neither form of the routine occurs (nothing is read)
  CodeRepeated,     // a form occurs more than once, or both do (nothing is read)
  TableOutside,     // the table does not lie in one bank of the file (nothing is read)
  TextOutsideBank,  // an address leads outside the bank, or to a text with no end there
  TextsApart,       // the texts do not follow one another without a gap
  RoomOverlaps,     // the texts' room overlaps the routine, the table or the names
};

struct DescriptionTexts {
  DescriptionRoomProblem problem = DescriptionRoomProblem::CodeNotFound;
  FileSpan code;   // the routine
  FileSpan table;  // the 255 addresses
  int bank = 0;    // in which the addresses are read
  // The distinct texts the table names, by address; a text the game cannot
  // read whole has no bytes.
  struct Text {
    uint16_t address;
    std::optional<GameText> bytes;
  };
  std::vector<Text> texts;
  std::array<size_t, LastItem> textOf{};  // by item - 1, an index into `texts`
  // The texts, one after another, when proven, to the end of the release's
  // room where they keep it (TextRoom).
  FileSpan room;

  bool Readable() const { return !texts.empty(); }
  bool Writable() const { return problem == DescriptionRoomProblem::None; }
  // Item 1 to 190's text, when it can be read.
  const std::optional<GameText>& Of(int item) const;
};

// `names` is the name list's room, which the descriptions' must not overlap;
// `release` the release's room for the texts, where the edition is known.
DescriptionTexts FindDescriptions(std::span<const uint8_t> rom, std::optional<FileSpan> names,
                                  const std::optional<FileSpan>& release);
