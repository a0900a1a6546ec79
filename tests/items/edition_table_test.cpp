#include "items/edition_table.h"

#include <gtest/gtest.h>

namespace {

const Edition& Gold = EditionTable[0];
const Edition& Silver = EditionTable[1];
const Edition& Crystal = EditionTable[2];

struct AddressCase {
  const Edition& edition;
  int item;
  int32_t record;
  int32_t asmEntry;
};

TEST(EditionTable, AddressesOfKnownItems) {
  const AddressCase cases[] = {
      {Gold, 1, 0x68A0, 0xE7C0},    {Gold, 179, 0x68A0 + 178 * 7, 0xE924}, {Gold, 180, 0x68A0 + 179 * 7, 0xE926},
      {Gold, 255, 0x6F92, 0xE7C0 + 254 * 2}, {Silver, 1, 0x6866, 0xE7BE}, {Silver, 179, 0x6866 + 178 * 7, 0xE922},
      {Crystal, 1, 0x67C1, 0xE73C}, {Crystal, 179, 0x67C1 + 178 * 7, 0xE8A0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RecordAddress(c.edition.itemTableBase, c.item), c.record) << c.edition.label << " " << c.item;
    EXPECT_EQ(AsmEntryAddress(c.edition.asmTableBase, c.item), c.asmEntry) << c.edition.label << " " << c.item;
  }
  EXPECT_EQ(RecordAddress(Gold.itemTableBase, 255) + ItemRecordSize - 1, 0x6F98);
}

TEST(EditionTable, ItemRanges) {
  EXPECT_FALSE(HasItemRecord(0));
  EXPECT_TRUE(HasItemRecord(1));
  EXPECT_TRUE(HasItemRecord(255));
  EXPECT_FALSE(HasItemRecord(256));
  EXPECT_FALSE(HasAsmEntry(0));
  EXPECT_TRUE(HasAsmEntry(179));
  EXPECT_FALSE(HasAsmEntry(180));
}

}  // namespace
