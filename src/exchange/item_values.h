#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "items/item_encoding.h"
#include "items/item_fields.h"

// An item's values in the tool's columns: price and pocket as decimal
// numbers, the byte fields as two upper-case hex digits and the pointer as
// four, in file order. Every text is made from the bytes the core would
// store, so two items compare equal exactly when their bytes do.

enum class Field { Price, Effect, Variable, Options, Pocket, How, Asm };
inline constexpr std::array<Field, 7> AllFields{Field::Price,  Field::Effect, Field::Variable, Field::Options,
                                                Field::Pocket, Field::How,    Field::Asm};

// The column name: "price", "effect", ... "asm".
std::string_view FieldKey(Field field);
std::optional<Field> FieldFromKey(std::string_view key);
// The column that names the edition an item was exported from.
inline constexpr std::string_view EditionKey = "edition";

struct ItemValues {
  std::array<std::string, AllFields.size()> texts;  // the pointer's is empty above item 179

  const std::string& operator[](Field field) const { return texts[static_cast<size_t>(field)]; }
  std::string& operator[](Field field) { return texts[static_cast<size_t>(field)]; }
  friend bool operator==(const ItemValues&, const ItemValues&) = default;
};

// The values of `item` whose fields the core loaded or was given; nothing
// when the core would refuse to store them, with `problem` saying why.
struct ItemValuesResult {
  std::optional<ItemValues> values;
  std::string problem;
};
ItemValuesResult ValuesOf(int item, const ItemFields& fields);

// Why the core would refuse `text` in `field` of `item`, or nothing; each
// field is checked on its own, so this names every bad field of a row.
std::optional<std::string> FieldProblem(int item, Field field, const std::string& text);

// Puts a column's text into the field it names; a pocket's text is its
// decimal number.
void SetField(ItemFields& fields, Field field, const std::string& text);

// The columns of an item's texts.
inline constexpr std::string_view NameKey = "name";
inline constexpr std::string_view DescriptionKey = "description";

// A description as the user gives it: a line break is a newline, "\r\n" or
// the two characters \n, as no character of the games' text is a backslash.
std::string DescriptionText(std::string_view text);

struct FieldChange {
  int item;
  std::string_view key;  // the column
  std::string before, after;
};
std::vector<FieldChange> Changes(int item, const ItemValues& before, const ItemValues& after);
// The change of a name or description, when there is one.
std::optional<FieldChange> TextChange(int item, std::string_view key, const std::optional<std::string>& before,
                                      const std::optional<std::string>& after);
// "18 Potion price 300 -> 350"; a line break shows as \n.
std::string FormatChange(const FieldChange& change, std::string_view name);
