#include "forms/field_tips.h"

#include "items/item_meaning.h"

std::vector<FieldTip> FieldTips(const ItemFields& fields, const RoutineNames& routines) {
  return {{"Effect", DescribeEffect(fields.Effect)},
          {"Variable", DescribeVariable(fields.Effect, fields.Variable)},
          {"Options", DescribeUse(fields.Options)},
          {"Pocket", DescribePocket(fields.Pocket)},
          {"How", DescribeType(fields.How)},
          {"ASM", DescribeAsm(fields.ASM, routines)}};
}
