#include "items/item_encoding.h"

#include <cassert>
#include <utility>

#include "items/field_codec.h"

std::string_view CaptionOf(Field field) {
  switch (field) {
    case Field::Price:
      return FieldCaption::Price;
    case Field::Pocket:
      return FieldCaption::Pocket;
    case Field::Asm:
      return FieldCaption::ASM;
    case Field::Effect:
      return FieldCaption::Effect;
    case Field::Variable:
      return FieldCaption::Variable;
    case Field::Options:
      return FieldCaption::Options;
    default:
      assert(field == Field::How);
      return FieldCaption::How;
  }
}

namespace {

template <typename Value>
ParsedField Parsed(const std::optional<Value>& value, std::string problem) {
  if (!value) return {std::nullopt, std::move(problem)};
  return {*value, {}};
}

ItemBytes HexOf(const ItemRecord& record) {
  using FieldCodec::ByteText;
  // Prices are stored low byte first.
  return {FieldCodec::FileOrderHex(record.price),
          ByteText(record.effect),
          ByteText(record.parameter),
          ByteText(record.property),
          ByteText(record.pocket),
          ByteText(record.menus),
          record.routine ? FieldCodec::RoutineText(*record.routine) : std::string()};
}

}  // namespace

ParsedField ParseField(Field field, std::string_view text) {
  assert(field != Field::Pocket);
  switch (field) {
    case Field::Price:
      return Parsed(FieldCodec::ParsePrice(text), "Price: enter a whole number from -32768 to 65535.");
    case Field::Asm:
      return Parsed(FieldCodec::ParseRoutine(text), AsmFieldProblem());
    default:
      return Parsed(FieldCodec::ParseByte(text), ByteFieldProblem(CaptionOf(field)));
  }
}

RecordResult RecordFromFields(const ItemFields& fields, bool withAsm) {
  const std::pair<Field, const std::string&> typed[] = {
      {Field::Price, fields.Price},     {Field::Effect, fields.Effect}, {Field::Variable, fields.Variable},
      {Field::Options, fields.Options}, {Field::How, fields.How},       {Field::Asm, fields.ASM}};
  ItemRecord record;
  record.pocket = FieldCodec::PocketByte(fields.Pocket);
  for (const auto& [field, text] : typed) {
    if (field == Field::Asm && !withAsm) break;
    ParsedField parsed = ParseField(field, text);
    if (!parsed.value) return {std::nullopt, std::move(parsed.problem)};
    SetFieldValue(record, field, *parsed.value);
  }
  return {record, {}};
}

EncodedItem EncodeItemFields(const ItemFields& fields, bool withAsm) {
  RecordResult read = RecordFromFields(fields, withAsm);
  if (!read.record) return {std::nullopt, std::move(read.problem)};
  return {HexOf(*read.record), {}};
}

std::string ByteFieldProblem(std::string_view caption) {
  return std::string(caption) + ": enter one or two hexadecimal digits (00 to FF), or leave it empty.";
}

std::string AsmFieldProblem() {
  return "ASM Pointer: enter one to four hexadecimal digits (0000 to FFFF), or leave it empty.";
}
