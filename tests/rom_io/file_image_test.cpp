#include "rom_io/file_image.h"

#include <gtest/gtest.h>

#include "rom_builder.h"
#include "rom_io/file_path.h"

namespace {

// Read in pieces, so a length that is no multiple of a piece tests the end.
TEST(FileImage, ReadsTheRestOfAnOpenFileFromWhereItStands) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc");
  const std::vector<uint8_t> bytes = RomBuilder(0x30001, 4).Bytes();
  WriteFileBytes(path, bytes);
  for (long start : {0L, 100L, static_cast<long>(bytes.size())}) {
    const CFileHandle file(OpenCFile(path, "rb"));
    ASSERT_TRUE(file);
    ASSERT_EQ(std::fseek(file.get(), start, SEEK_SET), 0);
    RomBytes read;
    EXPECT_FALSE(ReadRest(file.get(), read));
    EXPECT_EQ(read, RomBytes(bytes.begin() + start, bytes.end())) << start;
  }
}

TEST(FileImage, TellsWhetherAFileStillHoldsWhatWasRead) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc");
  const std::vector<uint8_t> bytes = RomBuilder(0x20001, 4).Bytes();
  std::vector<uint8_t> changed = bytes;
  changed[0x10000] ^= 1;
  const std::vector<uint8_t> longer = RomBuilder(0x20002, 4).Bytes();
  for (const auto& [file, same] : {std::pair{bytes, true}, std::pair{changed, false}, std::pair{longer, false},
                                   std::pair{std::vector<uint8_t>(bytes.begin(), bytes.end() - 1), false}}) {
    WriteFileBytes(path, file);
    const CFileHandle handle(OpenCFile(path, "rb"));
    bool holds = !same;
    EXPECT_FALSE(FileHolds(handle.get(), bytes, holds));
    EXPECT_EQ(holds, same) << file.size();
  }
}

}  // namespace
