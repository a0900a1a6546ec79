#include "items/text_rules.h"

#include <algorithm>
#include <string>

#include "items/description_texts.h"
#include "items/name_list_texts.h"

namespace {

constexpr int MaxNameWidth = 12;
static_assert(MaxNameWidth == MaxItemNameBytes, "no byte shows less than one character");

CheckedText Refused(TextProblem problem, std::string_view text) {
  CheckedText checked;
  checked.problem = problem;
  checked.details.text = std::string(text);
  return checked;
}

CheckedText Encoded(std::string_view text) {
  EncodedGameText encoded = EncodeGameText(text);
  if (encoded.bytes) return {std::move(encoded.bytes), TextProblem::None, {}};
  CheckedText refused = Refused(TextProblem::NoByte, text);
  refused.details.character = encoded.unknown;
  return refused;
}

}  // namespace

CheckedText CheckName(std::string_view text) {
  if (text.empty()) return Refused(TextProblem::EmptyName, text);
  if (text.find('\n') != std::string_view::npos) return Refused(TextProblem::NameLineBreak, text);
  CheckedText checked = Encoded(text);
  if (!checked.bytes) return checked;
  if (const int width = PrintedWidth(*checked.bytes); width > MaxNameWidth) {
    checked = Refused(TextProblem::NameTooWide, text);
    checked.details.count = width;
  }
  return checked;
}

namespace {

CheckedText DescriptionRules(std::string_view text) {
  CheckedText checked = Encoded(text);
  if (!checked.bytes) return checked;
  const auto lines = TextLines(*checked.bytes);
  if (static_cast<int>(lines.size()) > DescriptionLines) {
    checked = Refused(TextProblem::TooManyLines, text);
    checked.details.count = static_cast<int>(lines.size());
    return checked;
  }
  for (size_t line = 0; line < lines.size(); ++line) {
    if (const int width = PrintedWidth(lines[line]); width > DescriptionLineWidth) {
      checked = Refused(TextProblem::LineTooWide, text);
      checked.details.line = static_cast<int>(line + 1);
      checked.details.count = width;
      return checked;
    }
  }
  return checked;
}

}  // namespace

CheckedText CheckDescription(std::string_view text) {
  CheckedText checked = DescriptionRules(text);
  checked.details.description = true;
  return checked;
}
