#include "table/pocket_cell.h"

#include <gtest/gtest.h>

TEST(PocketCellTest, EveryByteReadsBackFromItsCell) {
  for (int16_t value = 0; value <= 255; ++value) EXPECT_EQ(PocketFromCell(PocketCellText(value)), value) << value;
  EXPECT_EQ(PocketCellText(0), "(None)");
  EXPECT_EQ(PocketCellText(5), "(05)");
}

TEST(PocketCellTest, RefusesWhatIsNoPocket) {
  for (const char* text : {"", "(5)", "(100)", "( 5)", "Pocket", "256"}) EXPECT_FALSE(PocketFromCell(text)) << text;
}
