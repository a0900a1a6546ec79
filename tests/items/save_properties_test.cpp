// Properties that matter most to users, checked over many inputs: a Load
// followed by a Save changes no byte, a Save touches only its item's bytes,
// and a Save that does not succeed leaves the file as it was.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "items/rom_item_editor.h"
#include "rom_builder.h"
#include "rom_io/hex_functions.h"
#include "rom_io/rom_file.h"

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

class FailedSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.Path("rom.gbc").string();
    RomBuilder().WithEdition(EditionTable[0]).WriteTo(path_);
    editor_.OpenRom(path_);
    ASSERT_TRUE(editor_.LoadItem(12).fields);
  }
  void TearDown() override { SetByteWriterForTesting({}); }

  const ItemFields fields_{"500", "01", "02", "03", 1, "04", "0506"};
  TempDir dir_;
  std::string path_;
  RomItemEditor editor_;
};

TEST_F(FailedSaveTest, MissingFileIsReportedAndNotCreated) {
  std::filesystem::remove(path_);
  const auto outcome = editor_.SaveItem(fields_);
  EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(outcome.message, "Cannot save to \"" + path_ + "\": the file cannot be opened for writing.");
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(FailedSaveTest, DirectoryInPlaceOfTheFile) {
  std::filesystem::remove(path_);
  std::filesystem::create_directory(path_);
  EXPECT_EQ(editor_.SaveItem(fields_).kind, SaveOutcome::Kind::Failed);
}

TEST_F(FailedSaveTest, ReadOnlyFileIsUnchanged) {
  const auto before = ReadFileBytes(path_);
  std::filesystem::permissions(path_, std::filesystem::perms::owner_read);
  if (OpensForWriting(path_)) GTEST_SKIP() << "running with rights that ignore file modes";
  EXPECT_EQ(editor_.SaveItem(fields_).kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(ReadFileBytes(path_), before);
}

TEST_F(FailedSaveTest, TruncatedFileIsUnchanged) {
  std::filesystem::resize_file(path_, 0x6000);
  const auto before = ReadFileBytes(path_);
  const auto outcome = editor_.SaveItem(fields_);
  EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(outcome.message, "Cannot save to \"" + path_ + "\": the file is too short to hold item 12.");
  EXPECT_EQ(ReadFileBytes(path_), before);
}

TEST_F(FailedSaveTest, FileReplacedByAnotherEditionIsUnchanged) {
  RomBuilder(RomBuilder::TwoMiB, 99).WithEdition(EditionTable[2]).WriteTo(path_);
  const auto before = ReadFileBytes(path_);
  const auto outcome = editor_.SaveItem(fields_);
  EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(outcome.message,
            "Cannot save to \"" + path_ + "\": it is no longer the Pokémon Gold Version file that was opened.");
  EXPECT_EQ(ReadFileBytes(path_), before);
}

TEST_F(FailedSaveTest, WriteRefusedPartWayIsReportedWithWhatWasWritten) {
  int allowed = 3;
  SetByteWriterForTesting([&](const std::string& path, int64_t offset, uint8_t value) {
    return allowed-- > 0 && WriteOneByteToDisk(path, offset, value);
  });
  const auto outcome = editor_.SaveItem(fields_);
  EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(outcome.message, "Cannot save to \"" + path_ +
                                 "\": only 3 of the item's 9 bytes were written; the item may now be partly changed.");
}

}  // namespace
