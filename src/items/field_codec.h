#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One conversion for each kind of item field, between its value and the text
// the user sees and types. The parsers return nothing for text that would not
// store exactly what was typed.
namespace FieldCodec {

// Prices are read by the game as unsigned.
std::string PriceText(uint16_t price);
// A whole decimal number from -32768 to 65535, blanks around it allowed;
// negative values keep their two's-complement meaning.
std::optional<uint16_t> ParsePrice(std::string_view text);

// Whether every character is a hex digit, in either case; true for no text.
bool AllHexDigits(std::string_view text);
// Empty (0), or up to `digits` hex digits in either case, blanks around allowed.
std::optional<uint32_t> ParseHex(std::string_view text, size_t digits);

// Two upper-case hex digits.
std::string ByteText(uint8_t value);
// Empty, or one or two hex digits in either case, blanks around allowed.
// Empty stores 00.
std::optional<uint8_t> ParseByte(std::string_view text);

// A two-byte field as its bytes lie in the file, low byte first: four
// upper-case digits.
std::string FileOrderHex(uint16_t value);

// A routine's address is shown as its two bytes lie in the file, as the
// games' pointer tables are read.
inline std::string RoutineText(uint16_t routine) { return FileOrderHex(routine); }
// The pointer as the ASM field shows it (file order) and the address it
// holds, low byte first, are each other with the bytes swapped.
constexpr uint16_t SwappedBytes(uint16_t value) { return static_cast<uint16_t>(value << 8 | value >> 8); }
// Empty, or one to four hex digits in that order, padded on the left with 0.
std::optional<uint16_t> ParseRoutine(std::string_view text);

// The pocket byte's low eight bits are the pocket list's index: -1 stores FF.
uint8_t PocketByte(int16_t index);

// The main window reads the file as hex text, in file order (price low byte first).
std::string PriceFromHex(const std::string& fileOrderHex);
int16_t PocketFromHex(const std::string& hex);

}  // namespace FieldCodec
