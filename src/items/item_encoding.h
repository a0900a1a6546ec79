#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "items/item_fields.h"
#include "items/item_record.h"

// A field's text as the user gives it, read into its value, or why it
// cannot be stored as typed, in the window's words. A pocket is chosen
// from a list, never typed, so it has no text here.
struct ParsedField {
  std::optional<uint16_t> value;
  std::string problem;
};
ParsedField ParseField(Field field, std::string_view text);

// The window's fields as a record, or the first field, in the window's
// order, that cannot be stored as typed. The pointer is read only when it
// is to be written. The record holds no texts.
struct RecordResult {
  std::optional<ItemRecord> record;
  std::string problem;
};
RecordResult RecordFromFields(const ItemFields& fields, bool withAsm);

// An item's fields as the hex text that goes into the file: the record's
// seven bytes and the pointer entry's two, each in file order.
struct ItemBytes {
  std::string price;  // four digits, low byte first
  std::string effect, variable, options, pocket, how;  // two digits each
  std::string asmPointer;                              // four digits, empty without a pointer
};

// The window's fields as RecordFromFields reads them, in hex text.
struct EncodedItem {
  std::optional<ItemBytes> bytes;
  std::string problem;
};
EncodedItem EncodeItemFields(const ItemFields& fields, bool withAsm);

// Why a one-byte field's text cannot be stored, under the field's caption.
std::string ByteFieldProblem(std::string_view caption);
