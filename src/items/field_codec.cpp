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

uint32_t HexValue(std::string_view hex) {
  uint32_t value = 0;
  std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  return value;
}

}  // namespace

std::optional<uint32_t> ParseHex(std::string_view text, size_t digits) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.size() > digits || !AllHexDigits(trimmed)) return std::nullopt;
  return HexValue(trimmed);
}

bool AllHexDigits(std::string_view text) {
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string PriceText(uint16_t price) { return std::to_string(price); }

std::optional<uint16_t> ParsePrice(std::string_view text) {
  std::string_view trimmed = TrimBlanks(text);
  if (trimmed.size() > 1 && trimmed[0] == '+' && std::isdigit(static_cast<unsigned char>(trimmed[1]))) {
    trimmed.remove_prefix(1);
  }
  int32_t value = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  if (trimmed.empty() || error != std::errc{} || end != trimmed.data() + trimmed.size()) return std::nullopt;
  if (value < -32768 || value > 65535) return std::nullopt;
  return static_cast<uint16_t>(value);
}

std::string ByteText(uint8_t value) { return HexFunctions::ByteToHex(value); }

std::optional<uint8_t> ParseByte(std::string_view text) {
  const auto value = ParseHex(text, 2);
  if (!value) return std::nullopt;
  return static_cast<uint8_t>(*value);
}

std::string FileOrderHex(uint16_t value) {
  return ByteText(static_cast<uint8_t>(value & 0xFF)) + ByteText(static_cast<uint8_t>(value >> 8));
}

std::optional<uint16_t> ParseRoutine(std::string_view text) {
  const auto fileOrder = ParseHex(text, 4);
  if (!fileOrder) return std::nullopt;
  return SwappedBytes(static_cast<uint16_t>(*fileOrder));
}

uint8_t PocketByte(int16_t index) { return static_cast<uint8_t>(static_cast<uint16_t>(index) & 0xFF); }

std::string PriceFromHex(const std::string& fileOrderHex) {
  return PriceText(static_cast<uint16_t>(HexValue(HexFunctions::ReverseHexBytes(fileOrderHex))));
}

int16_t PocketFromHex(const std::string& hex) { return static_cast<int16_t>(HexValue(hex)); }

}  // namespace FieldCodec
