#include "rom_io/file_image.h"

#include <gtest/gtest.h>

#include "rom_builder.h"
#include "rom_io/file_path.h"

namespace {

// The size expected is only a hint: a file that grew or shrank since it was
// looked at is still read to its end.
TEST(FileImage, ReadsTheWholeFileWhateverSizeWasExpected) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc");
  const std::vector<uint8_t> bytes = RomBuilder(0x30001, 4).Bytes();
  WriteFileBytes(path, bytes);
  for (size_t expected : {size_t{0}, size_t{100}, bytes.size(), bytes.size() + 0x20000}) {
    const OpenFile file(OpenCFile(path, "rb"));
    ASSERT_TRUE(file);
    std::vector<uint8_t> read;
    EXPECT_FALSE(ReadWholeFile(file.get(), read, expected));
    EXPECT_EQ(read, bytes) << expected;
  }
}

}  // namespace
