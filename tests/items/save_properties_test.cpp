// Properties that matter most to users, checked over many inputs: a Load
// followed by a Save changes no byte, a Save touches only its item's bytes,
// and a Save that does not succeed leaves the file as it was.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "items/rom_item_editor.h"
#include "rom_builder.h"
#include "rom_io/hex_functions.h"

namespace {

class SavePropertiesTest : public ::testing::TestWithParam<size_t> {
 protected:
  const Edition& TheEdition() const { return EditionTable[GetParam()]; }
  std::string WriteRom(uint32_t seed) {
    const auto path = dir_.Path("rom.gbc");
    RomBuilder(RomBuilder::TwoMiB, seed).WithEdition(TheEdition()).WriteTo(path);
    return path.string();
  }
  std::set<size_t> ItemBytes(int item) const {
    std::set<size_t> offsets;
    const auto record = static_cast<size_t>(RecordAddress(TheEdition().itemTableBase, item));
    for (size_t i = 0; i < ItemRecordSize; ++i) offsets.insert(record + i);
    if (HasAsmEntry(item)) {
      const auto entry = static_cast<size_t>(AsmEntryAddress(TheEdition().asmTableBase, item));
      offsets.insert({entry, entry + 1});
    }
    return offsets;
  }

  TempDir dir_;
  RomItemEditor editor_;
};

TEST_P(SavePropertiesTest, LoadThenSaveChangesNoByte) {
  const auto path = WriteRom(static_cast<uint32_t>(GetParam()) + 11);
  const auto before = ReadFileBytes(path);
  editor_.OpenRom(path);
  for (int16_t item = 1; item <= 255; ++item) {
    const auto loaded = editor_.LoadItem(item);
    ASSERT_TRUE(loaded.fields);
    ASSERT_TRUE(editor_.SaveItem(*loaded.fields).saved()) << item;
  }
  EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_P(SavePropertiesTest, SaveTouchesOnlyItsItem) {
  const auto path = WriteRom(static_cast<uint32_t>(GetParam()) + 23);
  editor_.OpenRom(path);
  std::mt19937 random(5);
  auto hexByte = [&] { return HexFunctions::ByteToHex(static_cast<uint8_t>(random())); };
  for (int round = 0; round < 60; ++round) {
    const auto item = static_cast<int16_t>(1 + random() % 255);
    const auto before = ReadFileBytes(path);
    editor_.LoadItem(item);
    const ItemFields fields{std::to_string(static_cast<int>(random() % 98304) - 32768),
                            hexByte(), hexByte(), hexByte(), static_cast<int16_t>(random() % 256), hexByte(),
                            hexByte() + hexByte()};
    ASSERT_TRUE(editor_.SaveItem(fields).saved());
    const auto after = ReadFileBytes(path);
    ASSERT_EQ(after.size(), before.size());
    const auto allowed = ItemBytes(item);
    for (size_t offset : DifferingOffsets(before, after)) {
      ASSERT_TRUE(allowed.count(offset)) << "item " << item << " changed offset " << offset;
    }
    // What was saved loads back.
    auto reloaded = *editor_.LoadItem(item).fields;
    EXPECT_EQ(reloaded.Pocket, fields.Pocket);
    EXPECT_EQ(reloaded.Effect, fields.Effect);
    if (HasAsmEntry(item)) {
      EXPECT_EQ(reloaded.ASM, fields.ASM);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Editions, SavePropertiesTest, ::testing::Values(0, 1, 2),
                         [](const ::testing::TestParamInfo<size_t>& param) {
                           return std::string(EditionTable[param.param].gameCodes[0]);
                         });

}  // namespace
