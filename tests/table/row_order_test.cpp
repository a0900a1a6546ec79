#include "table/row_order.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "items/edition_table.h"
#include "items/item_name_match.h"
#include "rom_builder.h"

namespace {

class RowOrderTest : public ::testing::Test {
 protected:
  RowOrderTest() : path(dir.Path("rom.gbc")) {
    RomBuilder(RomBuilder::TwoMiB, 9).WithEdition(EditionTable[0]).WriteTo(path);
  }

  TempDir dir;
  std::filesystem::path path;
};

}  // namespace

TEST_F(RowOrderTest, SortsNumbersAndHexByValueAndTextByFoldedNameStably) {
  const ItemTable table(path.string());
  for (const TableColumn column : {TableColumn::Price, TableColumn::Effect, TableColumn::Pocket, TableColumn::Name}) {
    for (const bool ascending : {true, false}) {
      std::vector<int> items = ShownItems(table, "", TableSort{column, ascending});
      ASSERT_EQ(items.size(), static_cast<size_t>(LastItem));
      if (!ascending) std::ranges::reverse(items);
      const auto before = [&](int a, int b) {
        if (SortsByValue(column)) return table.SortValue(a, column) < table.SortValue(b, column);
        return FoldedName(table.Text(a, column)) < FoldedName(table.Text(b, column));
      };
      EXPECT_TRUE(std::ranges::is_sorted(items, before)) << static_cast<int>(column) << ascending;
      // Items that sort alike keep their order, reversed with the rest.
      for (size_t at = 1; at < items.size(); ++at) {
        if (before(items[at - 1], items[at])) continue;
        EXPECT_EQ(items[at - 1] < items[at], ascending) << items[at];
      }
    }
  }
}

TEST_F(RowOrderTest, TheFilterShowsTheItemsWhoseNameHoldsItByTheNameRule) {
  const ItemTable table(path.string());
  EXPECT_EQ(ShownItems(table, "", std::nullopt).front(), 1);
  const std::vector<int> balls = ShownItems(table, "BALL", std::nullopt);
  EXPECT_EQ(balls, ItemsContaining(table.Names(), "ball"));
  EXPECT_NE(std::ranges::find(balls, 5), balls.end());  // "Poké Ball"
  EXPECT_TRUE(ShownItems(table, "no such item", std::nullopt).empty());
}
