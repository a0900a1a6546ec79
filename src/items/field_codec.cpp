#include "items/field_codec.h"

#include <cctype>
#include <charconv>

#include "rom_io/hex_functions.h"

namespace FieldCodec {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool AllHexDigits(std::string_view text) {
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// Empty, or up to `digits` hex digits, padded on the left with "0".
std::optional<std::string> PaddedHex(std::string_view text, size_t digits) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.size() > digits || !AllHexDigits(trimmed)) return std::nullopt;
  std::string result(digits, '0');
  for (size_t i = 0; i < trimmed.size(); ++i) {
    result[digits - trimmed.size() + i] = static_cast<char>(std::toupper(static_cast<unsigned char>(trimmed[i])));
  }
  return result;
}

uint32_t HexValue(const std::string& hex) {
  uint32_t value = 0;
  std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  return value;
}

}  // namespace

std::string PriceFromHex(const std::string& fileOrderHex) {
  return std::to_string(HexValue(HexFunctions::ReverseHexBytes(fileOrderHex)));
}

std::optional<std::string> PriceToHex(std::string_view text) {
  std::string_view trimmed = TrimBlanks(text);
  if (trimmed.size() > 1 && trimmed[0] == '+' && std::isdigit(static_cast<unsigned char>(trimmed[1]))) {
    trimmed.remove_prefix(1);
  }
  int32_t value = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  if (trimmed.empty() || error != std::errc{} || end != trimmed.data() + trimmed.size()) return std::nullopt;
  if (value < -32768 || value > 65535) return std::nullopt;
  const auto stored = static_cast<uint16_t>(value);
  return HexFunctions::ByteToHex(static_cast<uint8_t>(stored & 0xFF)) +
         HexFunctions::ByteToHex(static_cast<uint8_t>(stored >> 8));
}

std::optional<std::string> ByteToHex(std::string_view text) { return PaddedHex(text, 2); }

uint8_t ByteFromHex(const std::string& hex) { return static_cast<uint8_t>(HexValue(hex)); }

std::optional<std::string> AsmToHex(std::string_view text) { return PaddedHex(text, 4); }

int16_t PocketFromHex(const std::string& hex) { return static_cast<int16_t>(HexValue(hex)); }

std::string PocketToHex(int16_t index) {
  return HexFunctions::ByteToHex(static_cast<uint8_t>(static_cast<uint16_t>(index) & 0xFF));
}

}  // namespace FieldCodec
