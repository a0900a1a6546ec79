#include "items/text_problem.h"

#include <cassert>

#include "items/wording.h"

namespace {

// "the name of item 18 (Potion)"
std::string Whose(const TextProblemDetails& details) {
  return (details.description ? "the description of " : "the name of ") + details.item;
}

std::string Capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

std::string DescriptionRoomReason(DescriptionRoomProblem problem) {
  switch (problem) {
    case DescriptionRoomProblem::None:
      break;
    case DescriptionRoomProblem::CodeNotFound:
      return "the game's code that prints them has been changed, so Kestrune cannot find them";
    case DescriptionRoomProblem::CodeRepeated:
      return "the game's code that prints them stands more than once in the file, and Kestrune cannot tell which "
             "copy the game runs";
    case DescriptionRoomProblem::TableOutside:
      return "the game's code leads to a table of addresses that does not lie within one bank of the file";
    case DescriptionRoomProblem::TextOutsideBank:
      return "an address in their table leads outside their bank, or to a text that does not end there";
    case DescriptionRoomProblem::TextsApart:
      return "they do not lie one after another, so Kestrune cannot prove that the bytes between them are theirs";
    case DescriptionRoomProblem::RoomOverlaps:
      return "their room overlaps the game's code, their table of addresses or the item names";
  }
  assert(false && "only a room that is not known has a reason");
  return {};
}

std::string Shortfall(const TextProblemDetails& details, const std::string& texts, const std::string& whose) {
  return "The " + texts + " need " + Counted(static_cast<size_t>(details.needed), "byte", "bytes") + ", " +
         std::to_string(details.needed - details.room) + " more than the " +
         Counted(static_cast<size_t>(details.room), "byte", "bytes") + " of " + whose + " room. ";
}

}  // namespace

std::string DescribeTextProblem(TextProblem problem, const TextProblemDetails& details) {
  switch (problem) {
    case TextProblem::None:
      return {};
    case TextProblem::NoDescription:
      return Capitalised(details.item) + " has no description of its own: for items 191 to 255 the game shows the " +
             "move's description instead.";
    case TextProblem::NoByte:
      return Capitalised(Whose(details)) + " holds " + QuotedText(details.character) +
             ", which the game has no character for.";
    case TextProblem::EmptyName:
      return Capitalised(Whose(details)) + " is empty; a name needs at least one character.";
    case TextProblem::NameLineBreak:
      return Capitalised(Whose(details)) + " holds a line break; a name is one line.";
    case TextProblem::NameTooWide:
      return Capitalised(Whose(details)) + ", " + QuotedText(details.text) + ", shows " +
             std::to_string(details.count) + " characters; a name shows at most 12 (\"POKé\" shows as 4).";
    case TextProblem::TooManyLines:
      return Capitalised(Whose(details)) + " has " + std::to_string(details.count) +
             " lines; a description has one or two.";
    case TextProblem::LineTooWide:
      return "Line " + std::to_string(details.line) + " of " + Whose(details) + " shows " +
             std::to_string(details.count) + " characters; a line shows at most 18 (\"POKé\" shows as 4).";
    case TextProblem::NamesUnknown:
      return "Kestrune cannot write item names in this ROM: the game's code that finds them has been changed, or "
             "the list it leads to cannot be read.";
    case TextProblem::NameRoomUnknown:
      return "Kestrune cannot write item names in this ROM: the entry after item 255 does not end where a name can, "
             "or the list overlaps the descriptions, so the list's room is not known.";
    case TextProblem::NamesDoNotFit:
      return Shortfall(details, "names", "the name list's") + "The names use all of it, so a longer name needs " +
             "others to give up room: " + details.roomHint;
    case TextProblem::DescriptionRoomUnknown:
      return "Kestrune cannot write item descriptions in this ROM: " + DescriptionRoomReason(details.roomProblem) +
             ".";
    case TextProblem::DescriptionsDoNotFit:
      return Shortfall(details, "descriptions", "their") + "Shorten other descriptions by at least " +
             Counted(static_cast<size_t>(details.needed - details.room), "byte", "bytes") + " to make room.";
  }
  assert(false && "every problem has its words");
  return {};
}
