#include "items/symbol_file.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

uint32_t DigitValue(char c) {
  return static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10);
}

// One to four hex digits from `at`, which moves past them.
std::optional<uint16_t> HexNumber(std::string_view line, size_t& at) {
  uint32_t value = 0;
  const size_t start = at;
  while (at < line.size() && at - start < 5 && std::isxdigit(static_cast<unsigned char>(line[at]))) {
    value = value * 16 + DigitValue(line[at]);
    ++at;
  }
  if (at == start || at - start > 4) return std::nullopt;
  return static_cast<uint16_t>(value);
}

std::optional<Symbol> SymbolOf(std::string_view line) {
  size_t at = 0;
  while (at < line.size() && IsBlank(line[at])) ++at;
  const auto bank = HexNumber(line, at);
  if (!bank || at >= line.size() || line[at++] != ':') return std::nullopt;
  const auto address = HexNumber(line, at);
  if (!address || at >= line.size() || !IsBlank(line[at])) return std::nullopt;
  while (at < line.size() && IsBlank(line[at])) ++at;
  size_t end = at;
  while (end < line.size() && !IsBlank(line[end]) && line[end] != ';') ++end;
  if (end == at) return std::nullopt;
  return Symbol{*bank, *address, std::string(line.substr(at, end - at))};
}

}  // namespace

std::vector<Symbol> ParseSymbolFile(std::string_view text) {
  std::vector<Symbol> symbols;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size());
    if (auto symbol = SymbolOf(text.substr(start, end - start))) symbols.push_back(std::move(*symbol));
    start = end + 1;
  }
  return symbols;
}
