#pragma once

#include <cstdint>
#include <string>

#include "items/description_texts.h"

// Why a change of item names or descriptions was refused. Tests check the
// reason; DescribeTextProblem words it, beside the editor's other messages.
enum class TextProblem {
  None,
  // One text
  NoDescription,  // items 191 to 255
  NoByte,         // a character the games have no byte for
  EmptyName,
  NameLineBreak,
  NameTooWide,
  TooManyLines,
  LineTooWide,
  // The room
  NamesUnknown,
  NameRoomUnknown,
  NamesDoNotFit,
  DescriptionRoomUnknown,
  DescriptionsDoNotFit,
};

struct TextProblemDetails {
  std::string item;       // "item 18 (Potion)"
  bool description = false;  // whether the text is a description rather than a name
  std::string text;       // the text refused
  std::string character;  // for NoByte
  int line = 0, count = 0;  // the line, and the characters or lines it holds
  int64_t needed = 0, room = 0;
  DescriptionRoomProblem roomProblem = DescriptionRoomProblem::None;
  std::string roomHint;  // where room can be found, for NamesDoNotFit
};

std::string DescribeTextProblem(TextProblem problem, const TextProblemDetails& details);
