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

namespace {

// Both two-byte fields are stored low byte first.
uint16_t WordAt(std::span<const uint8_t> image, int32_t offset) {
  const auto at = static_cast<size_t>(offset);
  return static_cast<uint16_t>(image[at] | (image[at + 1] << 8));
}

void PutWord(std::span<uint8_t> image, int32_t offset, uint16_t value) {
  const auto at = static_cast<size_t>(offset);
  image[at] = static_cast<uint8_t>(value & 0xFF);
  image[at + 1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace

ItemRecord ReadItemRecord(std::span<const uint8_t> image, const ItemTables& tables, int item) {
  assert(tables.Found() && HasItemRecord(item));
  const int32_t base = RecordAddress(*tables.items, item);
  const auto byte = [&image, base](int32_t at) { return image[static_cast<size_t>(base) + static_cast<size_t>(at)]; };
  ItemRecord read;
  read.price = WordAt(image, base + RecordByte::Price);
  read.effect = byte(RecordByte::Effect);
  read.parameter = byte(RecordByte::Variable);
  read.property = byte(RecordByte::Options);
  read.pocket = byte(RecordByte::Pocket);
  read.menus = byte(RecordByte::How);
  if (HasAsmEntry(item)) read.routine = WordAt(image, AsmEntryAddress(*tables.pointers, item));
  return read;
}

void WriteItemRecord(std::span<uint8_t> image, const ItemTables& tables, int item, const ItemRecord& record) {
  assert(tables.Found() && HasItemRecord(item) && record.routine.has_value() == HasAsmEntry(item));
  const int32_t base = RecordAddress(*tables.items, item);
  const auto put = [&image, base](int32_t at, uint8_t value) {
    image[static_cast<size_t>(base) + static_cast<size_t>(at)] = value;
  };
  PutWord(image, base + RecordByte::Price, record.price);
  put(RecordByte::Effect, record.effect);
  put(RecordByte::Variable, record.parameter);
  put(RecordByte::Options, record.property);
  put(RecordByte::Pocket, record.pocket);
  put(RecordByte::How, record.menus);
  if (record.routine) PutWord(image, AsmEntryAddress(*tables.pointers, item), *record.routine);
}

int32_t ItemByteCount(int item) { return ItemRecordSize + (HasAsmEntry(item) ? AsmEntrySize : 0); }
