#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The seven values of one item as the window holds them, named after the
// controls that show them. Pocket is the pocket list's index (-1: none).
struct ItemFields {
  std::string Price;
  std::string Effect;
  std::string Variable;
  std::string Options;
  int16_t Pocket = -1;
  std::string How;
  std::string ASM;

  friend bool operator==(const ItemFields&, const ItemFields&) = default;
};

// The captions under which the windows show each field, and by which
// messages name them.
namespace FieldCaption {
inline constexpr std::string_view Price = "Price", Effect = "Effect", Variable = "Var.", Options = "Use",
                                  Pocket = "Pocket", How = "Type", ASM = "ASM Pointer";
}  // namespace FieldCaption

// The most characters a field's text can usefully hold: "-32768", two hex
// digits for a byte, four for the pointer. Text boxes take no more, so a
// paste cannot hide a long value behind a short box.
inline constexpr int PriceMaxChars = 6;
inline constexpr int ByteMaxChars = 2;
inline constexpr int AsmMaxChars = 4;

// The captions of the fields in which `a` and `b` differ, in the window's
// order; the pointer only when it is compared.
std::vector<std::string_view> DifferingFields(const ItemFields& a, const ItemFields& b, bool withAsm);
