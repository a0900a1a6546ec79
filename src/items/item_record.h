#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// One item as values: what its seven record bytes and its routine entry hold,
// and its texts. Text is made from it, and read into it, only where a user
// sees or gives one: a table cell, a form field, a CSV cell, an argument.
struct ItemRecord {
  uint16_t price = 0;     // as the game reads it, unsigned
  uint8_t effect = 0;     // shown as "Effect"
  uint8_t parameter = 0;  // shown as "Var."
  uint8_t property = 0;   // shown as "Use": the Options flags
  uint8_t pocket = 0;     // the pocket list's index
  uint8_t menus = 0;      // shown as "Type": the How menus byte
  // The address the item's routine entry holds, as the game reads it; items
  // above 179 have no entry.
  std::optional<uint16_t> routine;
  // The name as the ROM spells it and the description, when the ROM holds one
  // that can be read.
  std::optional<std::string> name, description;

  friend bool operator==(const ItemRecord&, const ItemRecord&) = default;
};

// The record's byte fields, in the file's order, pointer last.
enum class Field { Price, Effect, Variable, Options, Pocket, How, Asm };
inline constexpr std::array<Field, 7> AllFields{Field::Price,  Field::Effect, Field::Variable, Field::Options,
                                                Field::Pocket, Field::How,    Field::Asm};

// A field as a number; nothing for the routine of an item without one.
std::optional<uint16_t> FieldValue(const ItemRecord& record, Field field);
// `value` must fit the field: a byte field takes at most 255.
void SetFieldValue(ItemRecord& record, Field field, uint16_t value);
