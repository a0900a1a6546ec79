#include "exchange/rom_session.h"

#include <gtest/gtest.h>

#include "items/refusal.h"
#include "rom_builder.h"

namespace {

// The pointer table of item 179 ends last; a file one byte shorter must not
// be read as if it held the whole table.
TEST(RomSession, RefusesAFileOneByteTooShortForTheLastPointer) {
  TempDir dir;
  for (const Edition& edition : EditionTable) {
    const auto end = static_cast<size_t>(AsmEntryAddress(edition.asmTableBase, LastItemWithAsm) + AsmEntrySize);
    const auto path = dir.Path(std::string(edition.name) + ".gbc");
    RomBuilder(end - 1).WithEdition(edition).WriteTo(path);
    EXPECT_THROW(RomSession{path.string()}, Refused) << edition.label;
    RomBuilder(end).WithEdition(edition).WriteTo(path);
    RomSession session(path.string());
    EXPECT_TRUE(session.Load(LastItemWithAsm).routine) << edition.label;
  }
}

// The largest cartridge opens; one byte more is refused before it is read.
TEST(RomSession, OpensAFileOfTheLargestCartridgeAndNoLarger) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc");
  RomBuilder(static_cast<size_t>(LargestRomSize)).WithEdition(EditionTable[0]).WriteTo(path);
  EXPECT_TRUE(RomSession(path.string()).Load(1).routine);
  RomBuilder(static_cast<size_t>(LargestRomSize) + 1).WithEdition(EditionTable[0]).WriteTo(path);
  EXPECT_THROW(RomSession{path.string()}, Refused);
}

// Another program may write the ROM between the command's read and its
// write; what it wrote stays, and nothing of the command's is written.
TEST(RomSession, WritesNothingIntoAFileThatChangedSinceItWasRead) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc");
  RomBuilder().WithEdition(EditionTable[0]).WriteTo(path);
  RomSession session(path.string());
  ItemRecord record = session.Load(5);
  record.price = 1;
  session.Save(5, record);
  const auto changed = RomBuilder(RomBuilder::TwoMiB, 7).WithEdition(EditionTable[0]).Bytes();
  WriteFileBytes(path, changed);
  EXPECT_THROW(session.WriteChanges(), Refused);
  EXPECT_EQ(ReadFileBytes(path), changed);
}

}  // namespace
