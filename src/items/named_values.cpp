#include "items/named_values.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <utility>

#include "items/edit_distance.h"
#include "items/field_codec.h"
#include "items/same_ignoring_case.h"
#include "items/wording.h"

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Blanks and an empty text are the field's to take, not a name's.
std::optional<uint16_t> ParseHex(std::string_view text, int digits) {
  if (text.empty() || !FieldCodec::AllHexDigits(text)) return std::nullopt;
  const auto value = FieldCodec::ParseHex(text, static_cast<size_t>(digits));
  if (!value) return std::nullopt;
  return static_cast<uint16_t>(*value);
}

// A name differs from a typed one by no more than a third of its letters, and at least one.
bool IsNear(size_t distance, std::string_view name) { return distance <= std::max<size_t>(1, name.size() / 3); }

}  // namespace

std::string UnnamedText(std::string_view hex) {
  // Built in place, as Quoted is: GCC 12 warns of a false overlap in `+`.
  std::string text(1, '(');
  text.append(hex).append(1, ')');
  return text;
}

std::optional<std::string_view> UnnamedDigits(std::string_view text) {
  if (text.size() <= 2 || text.front() != '(' || text.back() != ')') return std::nullopt;
  return text.substr(1, text.size() - 2);
}

std::string WordsOfName(std::string_view name, std::string_view prefix) {
  const std::string_view whole = name;
  if (name.starts_with(prefix)) name.remove_prefix(prefix.size());
  // Words of hex digits would be read back as that byte: "HELD_30" is not 30.
  if (!name.empty() && FieldCodec::AllHexDigits(name)) {
    return std::string(whole);
  }
  std::string words;
  bool first = true;
  for (const char letter : name) {
    if (letter == '_') {
      words += ' ';
      first = true;
      continue;
    }
    const auto byte = static_cast<unsigned char>(letter);
    words += static_cast<char>(first ? std::toupper(byte) : std::tolower(byte));
    first = false;
  }
  return words;
}

NamedValues::NamedValues(std::vector<NamedValue> values, std::string prefix, int digits)
    : values_(std::move(values)), prefix_(std::move(prefix)), digits_(digits) {
  assert(digits_ >= 1 && digits_ <= 4);
}

const NamedValue* NamedValues::Find(uint16_t value) const {
  const auto found = std::ranges::find(values_, value, &NamedValue::value);
  return found == values_.end() ? nullptr : &*found;
}

std::string NamedValues::Name(uint16_t value) const {
  const NamedValue* named = Find(value);
  return named ? named->name : std::string();
}

std::string NamedValues::Words(uint16_t value) const {
  const NamedValue* named = Find(value);
  return named ? named->words : UnnamedText(Hex(value));
}

std::string NamedValues::Hex(uint16_t value) const {
  std::string hex(static_cast<size_t>(digits_), '0');
  for (auto at = hex.rbegin(); at != hex.rend(); ++at, value = static_cast<uint16_t>(value >> 4)) {
    *at = "0123456789ABCDEF"[value & 0x0F];
  }
  return hex;
}

std::optional<uint16_t> NamedValues::Parse(std::string_view typed) const {
  const std::string_view text = Trimmed(typed);
  if (const auto hex = ParseHex(text, digits_)) return hex;
  // As Words shows a value without a name.
  if (const auto digits = UnnamedDigits(text)) return ParseHex(*digits, digits_);
  for (const NamedValue& named : values_) {
    const std::string_view name = named.name;
    const bool shortName = name.starts_with(prefix_) && SameIgnoringCase(name.substr(prefix_.size()), text);
    if (SameIgnoringCase(name, text) || shortName || SameIgnoringCase(named.words, text)) return named.value;
  }
  return std::nullopt;
}

std::vector<std::string> NamedValues::CloseNames(std::string_view typed) const {
  const std::string_view text = Trimmed(typed);
  std::vector<std::pair<size_t, std::string>> near;
  for (const NamedValue& named : values_) {
    const std::string_view name = named.name;
    const std::string_view shortName = name.starts_with(prefix_) ? name.substr(prefix_.size()) : name;
    const size_t distance = std::min(EditDistance(name, text), EditDistance(shortName, text));
    if (IsNear(distance, shortName)) near.emplace_back(distance, named.name);
  }
  std::ranges::stable_sort(near, {}, &std::pair<size_t, std::string>::first);
  std::vector<std::string> names;
  for (size_t i = 0; i < near.size() && i < 3; ++i) names.push_back(near[i].second);
  return names;
}

std::string UnknownNameProblem(const NamedValues& names, std::string_view what, std::string_view typed) {
  const std::vector<std::string> close = names.CloseNames(typed);
  std::string problem = "there is no " + std::string(what) + " " + QuotedText(typed) + "; ";
  if (close.empty()) {
    const std::string example = names.Choices().empty() ? "" : "a name such as " + names.Choices().back().name + ", or ";
    return problem + "give " + example + std::to_string(names.Hex(0).size()) + " hex digits.";
  }
  problem += "did you mean ";
  for (size_t i = 0; i < close.size(); ++i) {
    problem += (i == 0 ? "" : i + 1 == close.size() ? " or " : ", ") + close[i];
  }
  return problem + "?";
}
