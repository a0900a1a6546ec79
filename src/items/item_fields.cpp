#include "items/item_fields.h"

std::vector<std::string_view> DifferingFields(const ItemFields& a, const ItemFields& b, bool withAsm) {
  std::vector<std::string_view> captions;
  const auto compare = [&captions](bool differ, std::string_view caption) {
    if (differ) captions.push_back(caption);
  };
  compare(a.Price != b.Price, FieldCaption::Price);
  compare(a.Effect != b.Effect, FieldCaption::Effect);
  compare(a.Variable != b.Variable, FieldCaption::Variable);
  compare(a.Pocket != b.Pocket, FieldCaption::Pocket);
  compare(a.Options != b.Options, FieldCaption::Options);
  compare(a.How != b.How, FieldCaption::How);
  compare(withAsm && a.ASM != b.ASM, FieldCaption::ASM);
  return captions;
}
