#include "items/field_codec.h"

#include <gtest/gtest.h>

using namespace FieldCodec;

namespace {

TEST(FieldCodec, PriceShowsTheUnsignedValue) {
  const std::pair<std::string, std::string> cases[] = {
      {"E803", "1000"}, {"FF7F", "32767"}, {"0080", "32768"}, {"9999", "39321"}, {"FFFF", "65535"}, {"0000", "0"},
  };
  for (const auto& [hex, text] : cases) EXPECT_EQ(PriceFromHex(hex), text) << hex;
}

TEST(FieldCodec, PriceAcceptsWholeNumbersThatFitSixteenBits) {
  const std::pair<std::string, std::string> cases[] = {
      {"1000", "E803"},  {"-1", "FFFF"}, {"65535", "FFFF"}, {"-32768", "0080"}, {"0", "0000"},
      {" 300 ", "2C01"}, {"+5", "0500"}, {"\t12", "0C00"},  {"007", "0700"},
  };
  for (const auto& [text, hex] : cases) EXPECT_EQ(PriceToHex(text), hex) << text;
}

TEST(FieldCodec, PriceRefusesWhatWouldNotStoreAsTyped) {
  for (const char* text : {"", "  ", "70000", "65536", "-32769", "12a", "1.5", "1e3", "0x10", "+-1", "--1", "1 2",
                           "99999999999999999999", "-"}) {
    EXPECT_EQ(PriceToHex(text), std::nullopt) << text;
  }
}

TEST(FieldCodec, ByteFields) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"a", "0A"},  {"", "00"},           {"ff", "FF"},         {" 7 ", "07"},        {"0A", "0A"},
      {"1FF", {}},  {"G1", {}},           {"-1", {}},           {"0 1", {}},          {"x", {}},
  };
  for (const auto& [text, hex] : cases) EXPECT_EQ(ByteToHex(text), hex) << text;
}

TEST(FieldCodec, AsmKeepsFileOrder) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"12", "0012"}, {"C56E", "C56E"}, {"c56e", "C56E"}, {"", "0000"}, {"12345", {}}, {"12G4", {}},
  };
  for (const auto& [text, hex] : cases) EXPECT_EQ(AsmToHex(text), hex) << text;
}

TEST(FieldCodec, PocketKeepsEveryValue) {
  EXPECT_EQ(PocketFromHex("03"), 3);
  EXPECT_EQ(PocketFromHex("FF"), 255);
  EXPECT_EQ(PocketToHex(3), "03");
  EXPECT_EQ(PocketToHex(200), "C8");
  EXPECT_EQ(PocketToHex(-1), "FF");
}

}  // namespace
