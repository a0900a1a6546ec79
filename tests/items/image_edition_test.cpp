#include "items/image_edition.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const Edition* const Gold = &EditionTable[0];
const Edition* const Silver = &EditionTable[1];
const Edition* const Crystal = &EditionTable[2];

TEST(ImageEdition, OpensAsTheEditionThatOneFieldNamesWhenTheOtherNamesNone) {
  using enum HeaderVerdict;
  const struct {
    std::string_view byte, code;
    const Edition* edition;
    HeaderVerdict verdict;
  } cases[] = {
      {"47", "AAUE", Gold, Release},           {"53", "AAXE", Silver, Release},
      {"41", "BYTE", Crystal, Release},        {"41", "BYTU", Crystal, Release},
      {"41", "KAPE", Crystal, OwnGameCode},    {"47", std::string_view("\0\0\0\0", 4), Gold, OwnGameCode},
      {"52", "BYTE", Crystal, OwnTitle},       {"67", "AAUE", Gold, OwnTitle},
      {"00", "AAXE", Silver, OwnTitle},        {"47", "AAXE", nullptr, EditionsDiffer},
      {"41", "AAUE", nullptr, EditionsDiffer}, {"47", "AAUJ", nullptr, OtherRegion},
      {"47", "AAUK", nullptr, OtherRegion},    {"53", "AAXD", nullptr, OtherRegion},
      {"41", "BYTF", nullptr, OtherRegion},    {"41", "BXTJ", nullptr, OtherRegion},
      {"61", "BYTS", nullptr, OtherRegion},    {"41", "BYTI", nullptr, OtherRegion},
      {"61", "KAPE", nullptr, NoEdition},      {"61", "", nullptr, NoEdition},
  };
  for (const auto& c : cases) {
    const HeaderEdition header = RecogniseEdition(c.byte, c.code);
    EXPECT_EQ(header.edition, c.edition) << c.byte << " " << c.code;
    EXPECT_EQ(header.verdict, c.verdict) << c.byte << " " << c.code;
  }
}

TEST(ImageEdition, SaysWhichFieldIsNotTheReleasesOrWhyTheRomDoesNotOpen) {
  const struct {
    std::string_view byte, code, words;
  } cases[] = {
      {"41", "BYTE", ""},
      {"61", "KAPE", ""},
      {"52", "BYTE", "the title is not the release's; the game code BYTE names Pokémon Crystal Version"},
      {"41", "KAPE", "the game code is not the release's; the title names Pokémon Crystal Version"},
      {"47", "AAXE", "the title names Pokémon Gold Version, but the game code AAXE names Pokémon Silver Version"},
      {"47", "AAUJ", "the game code AAUJ is the Japanese release's, whose text is encoded differently"},
  };
  for (const auto& c : cases) EXPECT_EQ(DescribeHeader(RecogniseEdition(c.byte, c.code)), c.words);
}

}  // namespace
