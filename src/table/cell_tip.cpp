#include "table/cell_tip.h"

#include "items/item_meaning.h"
#include "table/pocket_cell.h"

std::string CellTip(const ItemTable& table, int item, TableColumn column) {
  if (table.State(item, column) == ItemTable::CellState::Refused) return table.Refusal(item, column);
  std::string text = table.Text(item, column);
  switch (column) {
    case TableColumn::Use:
      return DescribeUse(text);
    case TableColumn::Type:
      return DescribeType(text);
    case TableColumn::Pocket:
      return DescribePocket(*PocketFromCell(text));
    case TableColumn::Description:
      // The lines as the game breaks them, which the one-line cell cannot show.
      return text;
    default:
      return {};
  }
}
