#include "items/item_encoding.h"

#include <utility>

#include "items/field_codec.h"

EncodedItem EncodeItemFields(const ItemFields& fields, bool withAsm) {
  ItemBytes bytes;
  auto price = FieldCodec::PriceToHex(fields.Price);
  if (!price) return {std::nullopt, "Price: enter a whole number from -32768 to 65535."};
  bytes.price = std::move(*price);

  const struct {
    const std::string& text;
    std::string& hex;
    std::string_view caption;
  } byteFields[] = {{fields.Effect, bytes.effect, FieldCaption::Effect},
                    {fields.Variable, bytes.variable, FieldCaption::Variable},
                    {fields.Options, bytes.options, FieldCaption::Options},
                    {fields.How, bytes.how, FieldCaption::How}};
  for (const auto& field : byteFields) {
    auto hex = FieldCodec::ByteToHex(field.text);
    if (!hex) return {std::nullopt, ByteFieldProblem(field.caption)};
    field.hex = std::move(*hex);
  }
  bytes.pocket = FieldCodec::PocketToHex(fields.Pocket);

  if (withAsm) {
    auto asmHex = FieldCodec::AsmToHex(fields.ASM);
    if (!asmHex) return {std::nullopt, AsmFieldProblem()};
    bytes.asmPointer = std::move(*asmHex);
  }
  return {std::move(bytes), {}};
}

std::string ByteFieldProblem(std::string_view caption) {
  return std::string(caption) + ": enter one or two hexadecimal digits (00 to FF), or leave it empty.";
}

std::string AsmFieldProblem() {
  return "ASM Pointer: enter one to four hexadecimal digits (0000 to FFFF), or leave it empty.";
}
