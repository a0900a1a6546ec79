#include "items/item_access.h"

#include <cassert>

#include "items/edition_table.h"
#include "items/field_codec.h"

ItemFields ReadItemFields(const HexReader& read, const ItemTables& tables, int item) {
  assert(tables.Found() && HasItemRecord(item));
  const int32_t record = RecordAddress(*tables.items, item);
  ItemFields fields;
  fields.Price = FieldCodec::PriceFromHex(read(record + RecordByte::Price, 2));
  fields.Effect = read(record + RecordByte::Effect, 1);
  fields.Variable = read(record + RecordByte::Variable, 1);
  fields.Options = read(record + RecordByte::Options, 1);
  fields.Pocket = FieldCodec::PocketFromHex(read(record + RecordByte::Pocket, 1));
  fields.How = read(record + RecordByte::How, 1);
  fields.ASM = read(AsmEntryAddress(*tables.pointers, item), AsmEntrySize);
  return fields;
}

int32_t WriteItemBytes(const HexWriter& write, const ItemTables& tables, int item, const ItemBytes& bytes) {
  assert(tables.Found() && HasItemRecord(item));
  const int32_t record = RecordAddress(*tables.items, item);
  int32_t written = write(record + RecordByte::Price, bytes.price);
  written += write(record + RecordByte::Effect, bytes.effect);
  written += write(record + RecordByte::Variable, bytes.variable);
  written += write(record + RecordByte::Options, bytes.options);
  written += write(record + RecordByte::Pocket, bytes.pocket);
  written += write(record + RecordByte::How, bytes.how);
  if (HasAsmEntry(item)) written += write(AsmEntryAddress(*tables.pointers, item), bytes.asmPointer);
  return written;
}

int32_t ItemByteCount(int item) { return ItemRecordSize + (HasAsmEntry(item) ? AsmEntrySize : 0); }
