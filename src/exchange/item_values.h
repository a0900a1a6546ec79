#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "items/item_record.h"

// An item's fields in the tool's columns: price and pocket as decimal
// numbers, the byte fields as two upper-case hex digits and the pointer as
// four, in file order. The texts are made from the record's values, so two
// items show alike exactly when their bytes are alike.

// The column name: "price", "effect", ... "asm".
std::string_view FieldKey(Field field);
std::optional<Field> FieldFromKey(std::string_view key);
// The column that names the edition an item was exported from.
inline constexpr std::string_view EditionKey = "edition";

std::string FieldText(Field field, uint16_t value);
// The pointer's is empty above item 179.
std::string FieldText(const ItemRecord& record, Field field);

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
// The fields that differ, in column order; the texts are TextChange's.
std::vector<FieldChange> Changes(int item, const ItemRecord& before, const ItemRecord& after);
// The change of a name or description, when there is one.
std::optional<FieldChange> TextChange(int item, std::string_view key, const std::optional<std::string>& before,
                                      const std::optional<std::string>& after);
// "18 Potion price 300 -> 350"; a line break shows as \n.
std::string FormatChange(const FieldChange& change, std::string_view name);
