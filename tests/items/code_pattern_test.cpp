#include "items/code_pattern.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every place a run can stand in files of many lengths, the first byte and
// the last included, so that each way through the search is taken.
TEST(CodePattern, FindsARunWhereverItStandsAndOnlyWhenItIsAlone) {
  const CodePattern pattern("3E 01 .. LL HH C9");
  const std::vector<uint8_t> run{0x3E, 0x01, 0x77, 0x34, 0x12, 0xC9};
  for (size_t length = run.size(); length < 200; length += 13) {
    for (size_t at = 0; at + run.size() <= length; ++at) {
      std::vector<uint8_t> rom(length, 0x3E);
      std::copy(run.begin(), run.end(), rom.begin() + static_cast<std::ptrdiff_t>(at));
      ASSERT_EQ(pattern.FindOnce(rom), at) << length;
      EXPECT_EQ(pattern.Address(rom, at), 0x1234);
      rom[at + run.size() - 1] = 0xC8;
      EXPECT_EQ(pattern.FindOnce(rom), std::nullopt) << length << " " << at;
      rom[at + run.size() - 1] = 0xC9;
      if (at >= run.size()) {
        std::copy(run.begin(), run.end(), rom.begin());
        EXPECT_EQ(pattern.FindOnce(rom), std::nullopt) << length << " " << at;
      }
    }
  }
}

}  // namespace
