#include "rom_io/rom_file.h"

#include <gtest/gtest.h>

#include "rom_builder.h"

namespace {

TEST(RomFile, TestSeamReplacesAndRestoresTheWriter) {
  TempDir dir;
  const auto rom = dir.Path("rom.gbc");
  WriteFileBytes(rom, std::vector<uint8_t>(4, 0));
  SetByteWriterForTesting([](const std::string&, int64_t, uint8_t) { return false; });
  EXPECT_FALSE(WriteOneByte(rom.string(), 0, 1));
  SetByteWriterForTesting({});
  EXPECT_TRUE(WriteOneByte(rom.string(), 0, 1));
  EXPECT_EQ(ReadFileBytes(rom)[0], 1);
}

}  // namespace
