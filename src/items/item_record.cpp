#include "items/item_record.h"

#include <cassert>

namespace {

// The byte that `field` names, of a record or of a constant one.
template <typename Record>
auto& ByteField(Record& record, Field field) {
  switch (field) {
    case Field::Effect:
      return record.effect;
    case Field::Variable:
      return record.parameter;
    case Field::Options:
      return record.property;
    case Field::Pocket:
      return record.pocket;
    default:
      assert(field == Field::How);
      return record.menus;
  }
}

}  // namespace

std::optional<uint16_t> FieldValue(const ItemRecord& record, Field field) {
  if (field == Field::Price) return record.price;
  if (field == Field::Asm) return record.routine;
  return ByteField(record, field);
}

void SetFieldValue(ItemRecord& record, Field field, uint16_t value) {
  if (field == Field::Price) {
    record.price = value;
  } else if (field == Field::Asm) {
    record.routine = value;
  } else {
    assert(value <= 0xFF);
    ByteField(record, field) = static_cast<uint8_t>(value);
  }
}
