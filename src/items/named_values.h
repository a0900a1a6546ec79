#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The named choices of one item field, as the games' public disassemblies
// name its values, and the one set of rules that turns a value into its
// name and the words shown, and a typed name back into the value. A value
// is the field's as its hex text shows it (a pointer in file order), so
// that a name and the hex it stands for store the same bytes.

struct NamedValue {
  std::string name;   // the disassembly's: "HELD_BERRY"
  std::string words;  // shown: "Berry"
  uint16_t value;
};

// A name's words: without `prefix`, each part between underscores with its
// first letter in upper case and the others in lower ("HELD_FIRE_BOOST" is
// "Fire Boost"). A name whose words would be hex digits stays whole, as the
// digits would be read as a byte ("HELD_30" is not byte 30).
std::string WordsOfName(std::string_view name, std::string_view prefix);

// A value without a name shows as its hex digits in brackets, "(5A)", which
// no name is; and the text inside such brackets.
std::string UnnamedText(std::string_view hex);
std::optional<std::string_view> UnnamedDigits(std::string_view text);

class NamedValues {
 public:
  // `prefix` may be left out of a typed name; a value's hex has `digits` digits.
  NamedValues(std::vector<NamedValue> values, std::string prefix, int digits);

  // In the order given, for a list to choose from.
  const std::vector<NamedValue>& Choices() const { return values_; }
  const NamedValue* Find(uint16_t value) const;
  // Empty for a value without a name.
  std::string Name(uint16_t value) const;
  // The words, or the hex in brackets, "(5A)", for a value without a name.
  std::string Words(uint16_t value) const;
  // Upper-case digits, as the field shows the value.
  std::string Hex(uint16_t value) const;
  // Hex digits first, as the field takes them, also in brackets as Words
  // shows them; then a name or its words, in any case, the prefix left out
  // or not. Blanks around are allowed.
  std::optional<uint16_t> Parse(std::string_view typed) const;
  // The names nearest to a text that Parse did not take, nearest first, at
  // most three, none when nothing is near.
  std::vector<std::string> CloseNames(std::string_view typed) const;

 private:
  std::vector<NamedValue> values_;
  std::string prefix_;
  int digits_;
};

// "there is no held effect "BERY"; did you mean HELD_BERRY?" or, with
// nothing near, "...; give a name such as HELD_BERRY, or hex digits".
std::string UnknownNameProblem(const NamedValues& names, std::string_view what, std::string_view typed);
