#include "table/cell_tip.h"

#include "items/held_effect_names.h"
#include "items/item_meaning.h"
#include "table/pocket_cell.h"

namespace {

std::string HexOf(const ItemTable& table, int item, Field field) {
  const std::optional<uint16_t> value = table.Value(item, field);
  return value ? FieldText(field, *value) : std::string();
}

std::string EffectTip(const ItemTable& table, int item) {
  std::string tip = DescribeEffect(HexOf(table, item, Field::Effect));
  const std::string_view heldBy = HeldBy(static_cast<uint8_t>(table.Value(item, Field::Effect).value_or(0)));
  if (!heldBy.empty()) tip += "\nHeld by " + std::string(heldBy) + " in the unmodified games.";
  return tip;
}

}  // namespace

std::string CellTip(const ItemTable& table, int item, TableColumn column) {
  if (table.State(item, column) == ItemTable::CellState::Refused) return table.Refusal(item, column);
  switch (column) {
    case TableColumn::Effect:
      return EffectTip(table, item);
    case TableColumn::Variable:
      return DescribeVariable(HexOf(table, item, Field::Effect), HexOf(table, item, Field::Variable));
    case TableColumn::Use:
      return DescribeUse(HexOf(table, item, Field::Options));
    case TableColumn::FieldMenu:
    case TableColumn::BattleMenu:
      return DescribeType(HexOf(table, item, Field::How));
    case TableColumn::Routine:
      return table.Editable(item, column) ? DescribeAsm(HexOf(table, item, Field::Asm), table.Routines()) : "";
    case TableColumn::Pocket:
      return DescribePocket(*PocketFromCell(table.Text(item, column)));
    case TableColumn::Description:
      // The lines as the game breaks them, which the one-line cell cannot show.
      return table.Text(item, column);
    default:
      return {};
  }
}
