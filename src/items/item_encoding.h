#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "items/item_fields.h"

// An item's fields as the hex text that goes into the file: the record's
// seven bytes and the pointer entry's two, each in file order.
struct ItemBytes {
  std::string price;  // four digits, low byte first
  std::string effect, variable, options, pocket, how;  // two digits each
  std::string asmPointer;                              // four digits
};

// Checks every field and converts it, or names the first field that cannot
// be stored as typed, in the window's words. The pointer is checked only
// when it is to be written.
struct EncodedItem {
  std::optional<ItemBytes> bytes;
  std::string problem;
};
EncodedItem EncodeItemFields(const ItemFields& fields, bool withAsm);

// Why a one-byte field's text cannot be stored, under the field's caption.
std::string ByteFieldProblem(std::string_view caption);
// Why the ASM Pointer's text cannot be stored.
std::string AsmFieldProblem();
