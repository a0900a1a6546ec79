#include "cli/command_suggestion.h"

#include <algorithm>
#include <numeric>

#include "items/wording.h"

namespace {

// Two letters typed the wrong way round and one wrong letter are as far as
// a suggestion reaches.
constexpr size_t kNearEnough = 2;

// The number of letters to insert, delete or replace to turn `a` into `b`.
size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<size_t> previous(b.size() + 1);
  std::iota(previous.begin(), previous.end(), size_t{0});
  for (size_t i = 1; i <= a.size(); ++i) {
    std::vector<size_t> current(b.size() + 1);
    current[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
    }
    previous = std::move(current);
  }
  return previous[b.size()];
}

}  // namespace

std::string UnknownCommandMessage(std::string_view given, const std::vector<std::string>& commands) {
  const std::string opening = "There is no command " + QuotedText(given);
  const auto nearest = std::min_element(commands.begin(), commands.end(), [given](const auto& a, const auto& b) {
    return EditDistance(given, a) < EditDistance(given, b);
  });
  if (nearest != commands.end() && EditDistance(given, *nearest) <= kNearEnough) {
    return opening + "; did you mean " + QuotedText(*nearest) + "?";
  }
  std::string list;
  for (const std::string& command : commands) list += (list.empty() ? "" : ", ") + command;
  return opening + "; the commands are " + list + ".";
}
