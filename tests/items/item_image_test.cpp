#include "items/item_image.h"

#include <gtest/gtest.h>

#include "items/item_encoding.h"
#include "items/rom_item_editor.h"
#include "rom_builder.h"
#include "rom_io/file_image.h"
#include "rom_io/rom_header.h"

namespace {

const Edition& Gold = EditionTable[0];

// The image reads what the editor's Load reads, and its Store changes the
// bytes exactly as the editor's Save changes the file.
TEST(ItemImage, ReadsAndChangesItemsAsTheEditorDoes) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc").string();
  const RomBuilder roms[] = {RomBuilder().WithEdition(EditionTable[2]),
                             RomBuilder().WithEdition(Gold).WithItemTableAt(Gold, 0x4C000).WithPointerTableAt(Gold, 0xEA00)};
  for (const RomBuilder& rom : roms) {
    rom.WriteTo(path);
    RomItemEditor editor;
    editor.OpenRom(path);
    ItemImage image(Image(ReadFileBytes(path)));
    ASSERT_EQ(image.Problem(), EditorProblem::None);
    for (const int item : {1, 100, 179, 180, 255}) {
      ItemFields fields = *editor.LoadItem(static_cast<int16_t>(item)).fields;
      ItemRecord record = image.Load(item);
      EXPECT_EQ(record.description, image.Texts().Description(item));
      record.name.reset();
      record.description.reset();
      ASSERT_EQ(record, RecordFromFields(fields, HasAsmEntry(item)).record) << item;
      fields.Price = "-2";
      fields.ASM = "bEEf";
      fields.Pocket = 300;
      image.Store(item, *RecordFromFields(fields, HasAsmEntry(item)).record);
      ASSERT_TRUE(editor.SaveItem(fields).saved());
    }
    EXPECT_EQ(image.Bytes(), Image(ReadFileBytes(path)));
  }
}

// The largest cartridge is read and searched, by the image and by the
// editor's Open; one byte more is no ROM image.
TEST(ItemImage, AFileOfTheLargestCartridgeIsReadAndOneByteMoreIsNot) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc");
  for (const int64_t extra : {0, 1}) {
    RomBuilder(static_cast<size_t>(LargestRomSize + extra)).WithEdition(Gold).WriteTo(path);
    const bool read = extra == 0;
    EXPECT_EQ(ReadFileImage(path.string(), LargestRomSize).has_value(), read) << extra;
    EXPECT_EQ(ItemImage(Image(ReadFileBytes(path))).Problem() == EditorProblem::None, read) << extra;
    RomItemEditor editor;
    EXPECT_EQ(editor.OpenRom(path.string()).problem == EditorProblem::None, read) << extra;
  }
}

// A file shorter than its header gives is refused by the image and by the
// editor's Open alike; a longer one, or one whose header byte names no
// cartridge, is read as before.
TEST(ItemImage, AFileShorterThanItsHeaderGivesIsRefused) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc");
  constexpr size_t kTwoMiB = RomBuilder::TwoMiB;
  const struct {
    uint8_t sizeByte;
    size_t size;
    EditorProblem problem;
  } cases[] = {
      {0x06, kTwoMiB - 1, EditorProblem::CutShort}, {0x06, kTwoMiB, EditorProblem::None},
      {0x06, kTwoMiB + 1, EditorProblem::None},     {0x08, kTwoMiB, EditorProblem::CutShort},
      {0x00, kTwoMiB, EditorProblem::None},         {0x09, kTwoMiB, EditorProblem::None},
      {0x52, kTwoMiB, EditorProblem::None},         {0xFF, kTwoMiB, EditorProblem::None},
  };
  for (const auto& c : cases) {
    RomBuilder(c.size).WithEdition(Gold).WithByte(RomSizeOffset, c.sizeByte).WriteTo(path);
    const std::string which = std::to_string(c.sizeByte) + " " + std::to_string(c.size);
    EXPECT_EQ(ItemImage(Image(ReadFileBytes(path))).Problem(), c.problem) << which;
    RomItemEditor editor;
    EXPECT_EQ(editor.OpenRom(path.string()).problem, c.problem) << which;
  }
}

TEST(ItemImage, RefusesWhatTheEditorRefuses) {
  EXPECT_EQ(ItemImage(Image(RomBuilder().WithEditionByte(0x61).Bytes())).Problem(), EditorProblem::NoRomOpen);
  EXPECT_EQ(ItemImage({}).Problem(), EditorProblem::NoRomOpen);
  const auto rewritten = RomBuilder().WithEdition(Gold).WithByte(CleanTableCodePlaces(Gold).itemUseCode, 0);
  EXPECT_EQ(ItemImage(Image(rewritten.Bytes())).Problem(), EditorProblem::TablesNotFound);
}

// Over the noise of synthetic images, every item's record stores back the
// bytes it was read from.
TEST(ItemImage, EveryRecordStoresTheBytesItWasReadFrom) {
  for (const Edition& edition : EditionTable) {
    ItemImage image(Image(RomBuilder(RomBuilder::TwoMiB, 7).WithEdition(edition).Bytes()));
    ASSERT_EQ(image.Problem(), EditorProblem::None);
    const auto before = image.Bytes();
    for (int item = 1; item <= LastItem; ++item) image.Store(item, image.Load(item));
    EXPECT_EQ(image.Bytes(), before) << edition.label;
  }
}

}  // namespace
