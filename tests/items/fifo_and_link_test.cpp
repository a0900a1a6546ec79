// FIFOs and symbolic links in place of a ROM, as POSIX systems have them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "items/rom_item_editor.h"
#include "rom_builder.h"

namespace {

const Edition& Gold = EditionTable[0];

TEST(SpecialFile, FifoInPlaceOfTheRomNeitherBlocksNorIsWritten) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc").string();
  RomBuilder().WithEdition(Gold).WriteTo(path);
  RomItemEditor editor;
  editor.OpenRom(path);
  const auto loaded = editor.LoadItem(12);
  ASSERT_TRUE(loaded.fields);
  std::filesystem::remove(path);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(editor.SaveItem(*loaded.fields).kind, SaveOutcome::Kind::Failed);
  const auto opened = editor.OpenRom(path);
  EXPECT_EQ(opened.label, "Unsupported Rom");
  EXPECT_EQ(opened.message, "Cannot read \"" + path + "\": Not a regular file.");
}

TEST(SymbolicLink, IsFollowedAndStaysALink) {
  TempDir dir;
  const auto target = dir.Path("rom.gbc");
  const auto link = dir.Path("link.gbc");
  RomBuilder().WithEdition(Gold).WriteTo(target);
  std::filesystem::create_symlink(target, link);
  RomItemEditor editor;
  ASSERT_EQ(editor.OpenRom(link.string()).label, "Pokémon Gold Version");
  auto fields = *editor.LoadItem(1).fields;
  fields.Effect = "5A";
  ASSERT_TRUE(editor.SaveItem(fields).saved());
  EXPECT_EQ(ReadFileBytes(target)[static_cast<size_t>(RecordAddress(Gold.itemTableBase, 1) + 2)], 0x5A);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
}

}  // namespace
