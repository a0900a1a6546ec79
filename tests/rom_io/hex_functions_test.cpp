#include "rom_io/hex_functions.h"

#include <gtest/gtest.h>

#include <random>

#include "rom_builder.h"

using namespace HexFunctions;

namespace {

class HexFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bytes_ = std::vector<uint8_t>(64);
    for (size_t i = 0; i < bytes_.size(); ++i) bytes_[i] = static_cast<uint8_t>(i * 7 + 3);
    bytes_[10] = 0x0A;
    bytes_[11] = 0xFF;
    WriteFileBytes(Path(), bytes_);
  }
  std::string Path() const { return dir_.Path("rom.gbc").string(); }
  std::vector<uint8_t> OnDisk() const { return ReadFileBytes(Path()); }

  TempDir dir_;
  std::vector<uint8_t> bytes_;
};

TEST(ReverseHexBytes, SwapsWholePairs) {
  const std::pair<std::string, std::string> cases[] = {
      {"ABCD", "CDAB"}, {"ABCDEF", "EFCDAB"}, {"123", "2301"}, {"A", "0A"}, {"", ""}, {"zz-!", "-!zz"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(ReverseHexBytes(in), out) << in;
}

TEST(ByteToHex, IsTwoUpperCaseDigits) {
  EXPECT_EQ(ByteToHex(0), "00");
  EXPECT_EQ(ByteToHex(10), "0A");
  EXPECT_EQ(ByteToHex(255), "FF");
}

TEST_F(HexFileTest, ReadsPairsInFileOrder) {
  EXPECT_EQ(ReadHexBytes(Path(), 10, 2), "0AFF");
  EXPECT_EQ(ReadHexBytes(Path(), 0, 1), "03");
}

TEST_F(HexFileTest, CountOfZeroOrLessReadsNothing) {
  EXPECT_EQ(ReadHexBytes(Path(), 10, 0), "");
  EXPECT_EQ(ReadHexBytes(Path(), 10, -5), "");
}

TEST_F(HexFileTest, UnreadableSourcesGiveZeroPairs) {
  EXPECT_EQ(ReadHexBytes("", 0, 3), "000000");
  EXPECT_EQ(ReadHexBytes(dir_.Path("missing.gbc").string(), 0, 2), "0000");
  EXPECT_EQ(ReadHexBytes(dir_.Root().string(), 0, 2), "0000");
}

TEST_F(HexFileTest, BytesOutsideTheFileRepeatTheHeldByte) {
  EXPECT_EQ(ReadHexBytes(Path(), -2, 3), "000003");
  // Offsets 62 and 63 exist; 64 and 65 lie past the end.
  const std::string tail = ByteToHex(bytes_[62]) + ByteToHex(bytes_[63]);
  EXPECT_EQ(ReadHexBytes(Path(), 62, 4), tail + ByteToHex(bytes_[63]) + ByteToHex(bytes_[63]));
  EXPECT_EQ(ReadHexBytes(Path(), INT32_MAX, 2), "0000");
}

TEST_F(HexFileTest, WritesEitherCaseAndPadsOddTextsOnTheLeft) {
  struct Case {
    std::string text;
    std::vector<uint8_t> expected;  // from offset 10 on
  };
  const Case cases[] = {
      {"0a", {0x0A}}, {"0A", {0x0A}}, {"1", {0x01}}, {"123", {0x01, 0x23}}, {"fFeE", {0xFF, 0xEE}},
      // A pair that does not convert writes the byte before it, or 0 first.
      {"G1", {0x00}}, {"12ZZ", {0x12, 0x12}}, {"  34", {0x00, 0x34}},
  };
  for (const Case& c : cases) {
    SetUp();
    const auto written = WriteHexBytes(Path(), 10, c.text);
    EXPECT_EQ(written, static_cast<int32_t>(c.expected.size())) << c.text;
    auto expected = bytes_;
    std::copy(c.expected.begin(), c.expected.end(), expected.begin() + 10);
    EXPECT_EQ(OnDisk(), expected) << c.text;
  }
}

TEST_F(HexFileTest, EmptyTextWritesNothing) {
  EXPECT_EQ(WriteHexBytes(Path(), 10, ""), 0);
  EXPECT_EQ(OnDisk(), bytes_);
}

TEST_F(HexFileTest, WritesNeverCreateFilesOrChangeLength) {
  const auto missing = dir_.Path("missing.gbc");
  EXPECT_EQ(WriteHexBytes(missing.string(), 0, "AB"), 0);
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_EQ(WriteHexBytes("", 0, "AB"), 0);
  EXPECT_EQ(WriteHexBytes(dir_.Root().string(), 0, "AB"), 0);

  // Offsets 62 and 63 exist: only they are written.
  EXPECT_EQ(WriteHexBytes(Path(), 62, "11223344"), 2);
  EXPECT_EQ(WriteHexBytes(Path(), -1, "5566"), 1);
  auto expected = bytes_;
  expected[62] = 0x11;
  expected[63] = 0x22;
  expected[0] = 0x66;
  EXPECT_EQ(OnDisk(), expected);
}

TEST_F(HexFileTest, ReadOnlyFileIsReadButNotWritten) {
  std::filesystem::permissions(Path(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  if (WriteHexBytes(Path(), 10, "00") != 0) GTEST_SKIP() << "running with rights that ignore file modes";
  EXPECT_EQ(ReadHexBytes(Path(), 10, 2), "0AFF");
  EXPECT_EQ(OnDisk(), bytes_);
}

TEST_F(HexFileTest, WriteThenReadRoundTripsAnyRun) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    const auto offset = static_cast<int32_t>(random() % 60);
    const auto count = static_cast<int32_t>(random() % static_cast<uint32_t>(64 - offset)) + 1;
    std::string text;
    for (int i = 0; i < count; ++i) text += ByteToHex(static_cast<uint8_t>(random()));
    WriteHexBytes(Path(), offset, text);
    ASSERT_EQ(ReadHexBytes(Path(), offset, count), text);
    ASSERT_EQ(OnDisk().size(), bytes_.size());
  }
}

}  // namespace
