#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One conversion for each kind of item field, between the hex text of its
// bytes (file order) and the text the user sees and types. The encoders
// return nothing for text that would not store exactly what was typed.
namespace FieldCodec {

// Prices are stored low byte first and read by the game as unsigned.
std::string PriceFromHex(const std::string& fileOrderHex);
// A whole decimal number from -32768 to 65535, blanks around it allowed;
// negative values keep their two's-complement meaning. Result in file order.
std::optional<std::string> PriceToHex(std::string_view text);

// Empty, or one or two hex digits in either case, blanks around allowed.
// Empty stores 00. Result: two upper-case digits.
std::optional<std::string> ByteToHex(std::string_view text);

// The value of two hex digits as ByteToHex gives them.
uint8_t ByteFromHex(const std::string& hex);

// Empty, or one to four hex digits, kept in the order typed (file order).
std::optional<std::string> AsmToHex(std::string_view text);

// The pocket byte is the pocket list's index; every value is kept.
int16_t PocketFromHex(const std::string& hex);
// The index's low eight bits: -1 stores FF.
std::string PocketToHex(int16_t index);

}  // namespace FieldCodec
