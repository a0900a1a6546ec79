#include "items/field_codec.h"

#include <gtest/gtest.h>

#include "items/item_encoding.h"

using namespace FieldCodec;

namespace {

TEST(FieldCodec, PriceShowsTheUnsignedValue) {
  const std::pair<std::string, std::string> cases[] = {
      {"E803", "1000"}, {"FF7F", "32767"}, {"0080", "32768"}, {"9999", "39321"}, {"FFFF", "65535"}, {"0000", "0"},
  };
  for (const auto& [hex, text] : cases) EXPECT_EQ(PriceFromHex(hex), text) << hex;
}

TEST(FieldCodec, PriceAcceptsWholeNumbersThatFitSixteenBits) {
  const std::pair<std::string, uint16_t> cases[] = {
      {"1000", 1000}, {"-1", 65535}, {"65535", 65535}, {"-32768", 32768}, {"0", 0},
      {" 300 ", 300}, {"+5", 5},     {"\t12", 12},     {"007", 7},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParsePrice(text), value) << text;
}

TEST(FieldCodec, PriceRefusesWhatWouldNotStoreAsTyped) {
  for (const char* text : {"", "  ", "70000", "65536", "-32769", "12a", "1.5", "1e3", "0x10", "+-1", "--1", "1 2",
                           "99999999999999999999", "-"}) {
    EXPECT_EQ(ParsePrice(text), std::nullopt) << text;
  }
}

TEST(FieldCodec, ByteFields) {
  const std::pair<std::string, std::optional<uint8_t>> cases[] = {
      {"a", 0x0A}, {"", 0},    {"ff", 0xFF}, {" 7 ", 7},  {"0A", 0x0A},
      {"1FF", {}}, {"G1", {}}, {"-1", {}},   {"0 1", {}}, {"x", {}},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseByte(text), value) << text;
}

TEST(FieldCodec, AsmKeepsFileOrder) {
  const std::pair<std::string, std::optional<uint16_t>> cases[] = {
      {"12", 0x1200}, {"C56E", 0x6EC5}, {"c56e", 0x6EC5}, {"", 0}, {"12345", {}}, {"12G4", {}},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseRoutine(text), value) << text;
  EXPECT_EQ(RoutineText(0x6EC5), "C56E");
}

TEST(FieldCodec, PocketKeepsEveryValue) {
  EXPECT_EQ(PocketFromHex("03"), 3);
  EXPECT_EQ(PocketFromHex("FF"), 255);
  EXPECT_EQ(PocketByte(3), 3);
  EXPECT_EQ(PocketByte(200), 200);
  EXPECT_EQ(PocketByte(-1), 0xFF);
}

// Every value a field can hold reads back from the text shown for it.
TEST(FieldCodec, EveryValueReadsBackFromItsText) {
  for (uint32_t value = 0; value <= 0xFFFF; ++value) {
    const auto word = static_cast<uint16_t>(value);
    ASSERT_EQ(ParsePrice(PriceText(word)), word);
    ASSERT_EQ(ParseRoutine(RoutineText(word)), word);
    if (value <= 0xFF) {
      ASSERT_EQ(ParseByte(ByteText(static_cast<uint8_t>(value))), value);
    }
  }
}

TEST(ParseField, RefusesInTheWindowsWords) {
  EXPECT_EQ(ParseField(Field::Price, "65535").value, 65535);
  EXPECT_EQ(ParseField(Field::Price, "65536").problem, "Price: enter a whole number from -32768 to 65535.");
  EXPECT_EQ(ParseField(Field::Variable, "G").problem,
            "Var.: enter one or two hexadecimal digits (00 to FF), or leave it empty.");
  EXPECT_EQ(ParseField(Field::How, "").value, 0);
  EXPECT_EQ(ParseField(Field::Asm, "12345").problem,
            "ASM Pointer: enter one to four hexadecimal digits (0000 to FFFF), or leave it empty.");
}

}  // namespace
