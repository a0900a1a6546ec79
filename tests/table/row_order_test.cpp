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

TEST_F(RowOrderTest, SortsNumbersAndHexByValueAndTextByFoldedNameThenByNumber) {
  const ItemTable table(path.string());
  for (const TableColumn column : {TableColumn::Price, TableColumn::Effect, TableColumn::Pocket, TableColumn::Name}) {
    const std::vector<int> up = ShownItems(table, "", TableSort{column, true});
    ASSERT_EQ(up.size(), static_cast<size_t>(LastItem));
    const auto key = [&](int item) {
      return SortsByValue(column) ? std::pair(table.SortValue(item, column), std::string())
                                  : std::pair(0, FoldedName(table.Text(item, column)));
    };
    EXPECT_TRUE(std::ranges::is_sorted(up, {}, [&](int item) { return std::pair(key(item), item); }))
        << static_cast<int>(column);
    // Down is up reversed, items that sort alike included.
    std::vector<int> down = ShownItems(table, "", TableSort{column, false});
    std::ranges::reverse(down);
    EXPECT_EQ(down, up) << static_cast<int>(column);
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
