#include "items/item_texts.h"

#include <gtest/gtest.h>

#include <random>

#include "items/code_pattern.h"
#include "items/item_names.h"
#include "items/item_table_finder.h"
#include "items/text_room.h"
#include "items/text_rules.h"
#include "rom_builder.h"

namespace {

const Edition& Gold = EditionTable[0];
const Edition& Crystal = EditionTable[2];

std::vector<std::string_view> Names() { return {ItemNames.begin(), ItemNames.end()}; }

// An image and the texts read from it, stored into as a command would.
struct Texts {
  explicit Texts(const RomBuilder& rom) : bytes(rom.Bytes()), before(bytes), texts(bytes) {}
  TextOutcome Store(const std::vector<ItemTextEdit>& edits) { return texts.Store(bytes, edits, Names()); }
  // As the next command reads the file.
  void ReadAgain() { texts = ItemTexts(bytes); }
  // Whether every changed byte lies in the two rooms or the table of addresses.
  bool ChangedOnlyInRooms() const {
    const auto& names = *texts.NameRoom();
    const FileSpan rooms[] = {names.Room(), texts.Descriptions().room, texts.Descriptions().table};
    for (const size_t at : DifferingOffsets(before, bytes)) {
      const FileSpan byte{static_cast<int64_t>(at), 1};
      if (!rooms[0].Overlaps(byte) && !rooms[1].Overlaps(byte) && !rooms[2].Overlaps(byte)) return false;
    }
    return true;
  }

  std::vector<uint8_t> bytes, before;
  ItemTexts texts;
};

ItemTextEdit Named(int item, std::string name) { return {item, std::move(name), std::nullopt}; }
ItemTextEdit Described(int item, std::string text) { return {item, std::nullopt, std::move(text)}; }

TEST(GameTextCodec, WritesTextAsTheGamesDo) {
  const struct {
    std::string_view text;
    GameText bytes;
  } cases[] = {
      {"TM01", {0x93, 0x8C, 0xF6, 0xF7}},  // TM letter by letter, not 0x5C
      {"ROCKET", {0x91, 0x8E, 0x82, 0x8A, 0x84, 0x93}},
      {"ALUMNI", {0x80, 0x8B, 0x94, 0x8C, 0x8D, 0x88}},  // not the MN glyph 0xE2
      {"PK", {0x8F, 0x8A}},                              // nor the PK glyph 0xE1
      {"POKé BALL", {0x54, 0x7F, 0x81, 0x80, 0x8B, 0x8B}},
      {"KING's", {0x8A, 0x88, 0x8D, 0x86, 0xD4}},  // 's is one byte
      {"S.S.", {0x92, 0xE8, 0x92, 0xE8}},          // the lower of the two "." bytes
      {"A\nB", {0x80, LineBreak, 0x81}},
  };
  for (const auto& c : cases) EXPECT_EQ(EncodeGameText(c.text).bytes, c.bytes) << c.text;
  EXPECT_EQ(EncodeGameText("ab€c").unknown, "€");
  EXPECT_EQ(PrintedWidth(*EncodeGameText("POKéMON").bytes), 7);
  EXPECT_EQ(PrintedWidth(GameText{0x5D, 0xD4}), 8);  // TRAINER's
  EXPECT_EQ(PrintedWidth(GameText{0x5E}), 6);        // ROCKET
}

// Every name and description of the clean games encodes back to its bytes.
TEST(GameTextCodec, RoundTripsEveryTextOfTheImage) {
  for (const Edition& edition : EditionTable) {
    const ItemTexts texts(RomBuilder().WithEdition(edition).Bytes());
    ASSERT_TRUE(texts.NameRoom() && texts.NameRoom()->HasRoom()) << edition.name;
    ASSERT_TRUE(texts.Descriptions().Writable()) << edition.name;
    // Each also keeps to what the screen shows.
    for (const GameText& name : texts.NameRoom()->entries) {
      EXPECT_EQ(CheckName(DecodeGameText(name)).bytes, name) << DecodeGameText(name);
    }
    for (const auto& text : texts.Descriptions().texts) {
      EXPECT_EQ(CheckDescription(DecodeGameText(*text.bytes)).bytes, text.bytes) << DecodeGameText(*text.bytes);
    }
    EXPECT_EQ(texts.NameRoom()->room, 2389);
  }
}

TEST(ItemTexts, ReadsTheDescriptionsThroughEitherFormOfTheCode) {
  for (const Edition& edition : {Gold, Crystal}) {
    const ItemTexts texts(RomBuilder().WithEdition(edition).Bytes());
    EXPECT_EQ(texts.Name(1), "MASTER BALL");
    EXPECT_EQ(texts.Description(1), "The best BALL. It\nnever misses.");
    EXPECT_EQ(texts.Description(190), CleanRomDescriptions(edition)[189]);
    EXPECT_EQ(texts.Description(191), std::nullopt);
    EXPECT_EQ(texts.Descriptions().texts.size(), 198u);
    EXPECT_EQ(texts.Descriptions().room.size, static_cast<int64_t>(CleanDescriptionRoomSize(edition)));
  }
}

// In the clean games the names fill their room: a longer name fits only
// when another gives up the room it needs.
TEST(ItemTexts, WritesNamesExactlyInsideTheirRoom) {
  Texts fit(RomBuilder().WithEdition(Gold));
  ASSERT_TRUE(fit.Store({Named(1, "MASTER BALLS"), Named(2, "ULTRABALL")}).saved());
  EXPECT_EQ(fit.texts.Name(1), "MASTER BALLS");
  EXPECT_EQ(fit.texts.Name(2), "ULTRABALL");
  EXPECT_EQ(fit.texts.Name(3), "BRIGHTPOWDER");
  EXPECT_EQ(fit.texts.NameRoom()->entries.back(), GameText{0xE6});
  EXPECT_TRUE(fit.ChangedOnlyInRooms());

  Texts over(RomBuilder().WithEdition(Gold));
  const TextOutcome refused = over.Store({Named(1, "MASTER BALLS")});
  ASSERT_EQ(refused.problems, std::vector{TextProblem::NamesDoNotFit});
  EXPECT_NE(refused.message.find("The names need 2390 bytes, 1 more than the 2389 bytes"), std::string::npos)
      << refused.message;
  EXPECT_NE(refused.message.find("\"TERU-SAMA\" stands at 37 items (6, 25, 45, …)"), std::string::npos)
      << refused.message;
  EXPECT_EQ(over.bytes, over.before);

  Texts shorter(RomBuilder().WithEdition(Gold));
  ASSERT_TRUE(shorter.Store({Named(6, "T")}).saved());
  const auto& names = *shorter.texts.NameRoom();
  EXPECT_EQ(shorter.bytes[static_cast<size_t>(names.Room().End() - 1)], TextEnd);
  EXPECT_EQ(shorter.texts.Name(7), "BICYCLE");
  ASSERT_TRUE(shorter.Store({Named(7, "BICYCLE 2000")}).saved());
  EXPECT_TRUE(shorter.ChangedOnlyInRooms());
}

TEST(ItemTexts, WritesDescriptionsExactlyInsideTheirRoom) {
  Texts fit(RomBuilder().WithEdition(Crystal));
  ASSERT_TRUE(fit.Store({Described(1, "The best BALL. It\nnever misses!!"),
                         Described(2, "A BALL with a hig\nrate of success.")})
                  .saved());
  EXPECT_EQ(fit.texts.Description(1), "The best BALL. It\nnever misses!!");
  EXPECT_EQ(fit.texts.Description(3), CleanRomDescriptions(Crystal)[2]);
  EXPECT_TRUE(fit.texts.Descriptions().Writable());
  EXPECT_TRUE(fit.ChangedOnlyInRooms());

  Texts over(RomBuilder().WithEdition(Crystal));
  const TextOutcome refused = over.Store({Described(1, "The best BALL. It\nnever misses!!")});
  ASSERT_EQ(refused.problems, std::vector{TextProblem::DescriptionsDoNotFit});
  EXPECT_NE(refused.message.find("1 more than the 5028 bytes"), std::string::npos) << refused.message;
  EXPECT_NE(refused.message.find("by at least 1 byte to"), std::string::npos) << refused.message;
  EXPECT_EQ(over.bytes, over.before);

  Texts shorter(RomBuilder().WithEdition(Crystal));
  ASSERT_TRUE(shorter.Store({Described(4, "Short.")}).saved());
  ASSERT_TRUE(shorter.Store({Described(1, "The best BALL. It\nnever ever misses.")}).saved());
  EXPECT_EQ(shorter.texts.Description(4), "Short.");
  EXPECT_EQ(shorter.texts.Descriptions().texts.size(), 198u);
}

// The release's layout keeps its room from one command to the next: a text
// shortened in one Store leaves room for a longer one in the next, and the
// texts given back restore the image.
TEST(ItemTexts, RoomGivenUpInOneStoreIsTakenInTheNext) {
  for (const Edition& edition : {Gold, Crystal}) {
    const std::vector<std::string> clean = CleanRomDescriptions(edition);
    Texts texts(RomBuilder().WithEdition(edition));
    ASSERT_TRUE(texts.Store({Named(1, "MASTER"), Described(4, "Short.")}).saved());
    texts.ReadAgain();
    EXPECT_EQ(texts.texts.NameRoom()->room, edition.texts.nameRoom.size);
    EXPECT_EQ(texts.texts.Descriptions().room.size, edition.texts.descriptionRoom.size);
    ASSERT_TRUE(texts.Store({Named(2, "ULTRA BALL 2"), Described(1, "The best BALL. It\nnever ever misses.")}).saved());
    EXPECT_TRUE(texts.ChangedOnlyInRooms());
    texts.ReadAgain();
    const TextOutcome back =
        texts.Store({Named(1, "MASTER BALL"), Named(2, "ULTRA BALL"), Described(1, clean[0]), Described(4, clean[3])});
    ASSERT_TRUE(back.saved()) << back.message;
    EXPECT_EQ(texts.bytes, texts.before) << edition.name;
  }
}

// Only 0x50s after the texts, to the end of the release's room at its
// place, keep that room; anything else may be what a hack put there.
TEST(TextRoom, IsTheReleasesOnlyWhereItsTailIsAllTextEnds) {
  const FileSpan release{4, 8}, used{4, 5};
  std::vector<uint8_t> rom(16, TextEnd);
  EXPECT_EQ(TextRoom(rom, used, release).size, 8);
  EXPECT_EQ(TextRoom(rom, used, std::nullopt).size, 5);
  EXPECT_EQ(TextRoom(rom, {5, 4}, release).size, 4);                     // moved
  EXPECT_EQ(TextRoom(rom, {4, 9}, release).size, 9);                     // grown past the release's room
  EXPECT_EQ(TextRoom(std::span(rom).first(11), used, release).size, 5);  // the file ends first
  rom[11] = 0x7F;
  EXPECT_EQ(TextRoom(rom, used, release).size, 5);
}

// The names' room runs into no code: a list whose first byte is the last
// of the description routine is not written, one right after it is. A name
// given as the ROM spells it is no change, and needs no room.
TEST(ItemTexts, WritesNoNamesOverTheDescriptionRoutine) {
  const auto places = CleanTableCodePlaces(Gold);
  const size_t routine = CodePattern(GoldSilverDescriptionCode).Size();
  for (const size_t overlap : {size_t{0}, size_t{1}}) {
    RomBuilder rom;
    rom.WithEdition(Gold).WithByte(places.descriptionCode, 0x00);
    Texts texts(rom.WithDescriptionCode(Gold, places.names - routine + overlap));
    const TextOutcome outcome = texts.Store({Named(2, "ULTRABALL")});
    if (overlap == 0) {
      EXPECT_TRUE(outcome.saved()) << outcome.message;
      continue;
    }
    EXPECT_EQ(outcome.problems, std::vector{TextProblem::NameRoomUnknown});
    ASSERT_EQ(texts.texts.Name(1), "äASTER BALL");  // the routine's last byte, 0xC3
    EXPECT_TRUE(texts.Store({Named(1, "äASTER BALL"), Named(2, "ULTRA BALL")}).saved());
    EXPECT_EQ(texts.bytes, texts.before);
  }
}

// The game reads a description with its bank switched in: a text whose
// 0x50 is the bank's last byte is read, one whose 0x50 is the next bank's
// first is not.
TEST(ItemTexts, ReadsNoDescriptionAcrossTheEndOfItsBank) {
  const auto places = CleanTableCodePlaces(Gold);
  const auto bankEnd = static_cast<size_t>((static_cast<int64_t>(places.descriptionTexts) / BankSize + 1) * BankSize);
  for (const size_t past : {size_t{0}, size_t{1}}) {
    const size_t start = bankEnd - 4 + past;
    const uint16_t address = BankAddress(static_cast<int64_t>(start));
    RomBuilder rom;
    rom.WithEdition(Gold).WithByte(start, 0x80).WithByte(start + 1, 0x80).WithByte(start + 2, 0x80);
    rom.WithByte(start + 3, TextEnd).WithByte(places.descriptionTable, static_cast<uint8_t>(address & 0xFF));
    const ItemTexts texts(rom.WithByte(places.descriptionTable + 1, static_cast<uint8_t>(address >> 8)).Bytes());
    EXPECT_EQ(texts.Description(1), past == 0 ? std::optional<std::string>("AAA") : std::nullopt) << past;
  }
}

// Items 1 and 2 share a text, item 3's has a byte outside the text table,
// which no re-encoding could give back, and item 4's gives up room.
TEST(ItemTexts, SplitsASharedTextAndKeepsTheBytesOfTextsThatDidNotChange) {
  std::vector<std::string> texts = {"Shared.", "Third.", "A long text to cut.", "?"};
  std::vector<size_t> textOf(LastItem, 3);
  textOf[0] = textOf[1] = 0;
  textOf[2] = 1;
  textOf[3] = 2;
  RomBuilder rom;
  rom.WithEdition(Gold).WithDescriptionTexts(Gold, texts, textOf);
  const size_t third = CleanTableCodePlaces(Gold).descriptionTexts + 8;
  Texts split(rom.WithByte(third, 0x01));
  const GameText thirdBytes = *split.texts.Descriptions().Of(3);
  ASSERT_EQ(thirdBytes[0], 0x01);

  ASSERT_TRUE(split.Store({Described(2, "Own."), Described(4, "Cut.")}).saved());
  EXPECT_EQ(split.texts.Description(1), "Shared.");
  EXPECT_EQ(split.texts.Description(2), "Own.");
  EXPECT_EQ(*split.texts.Descriptions().Of(3), thirdBytes);
  ASSERT_TRUE(split.Store({Described(1, "Own too."), Described(3, split.texts.Description(3).value())}).saved());
  EXPECT_EQ(*split.texts.Descriptions().Of(3), thirdBytes);
  EXPECT_EQ(split.texts.Descriptions().texts.size(), 5u);  // "Shared." is gone
  EXPECT_TRUE(split.ChangedOnlyInRooms());
}

TEST(ItemTexts, RefusesEachTextThatTheScreenCannotShow) {
  const struct {
    ItemTextEdit edit;
    TextProblem problem;
    std::string message;
  } cases[] = {
      {Named(1, "POKéPOKéPOKéA"), TextProblem::NameTooWide,
       "The name of item 1 (Master Ball), \"POKéPOKéPOKéA\", shows 13 characters; a name shows at most 12 "
       "(\"POKé\" shows as 4)."},
      {Named(1, ""), TextProblem::EmptyName,
       "The name of item 1 (Master Ball) is empty; a name needs at least one character."},
      {Named(1, "A\nB"), TextProblem::NameLineBreak,
       "The name of item 1 (Master Ball) holds a line break; a name is one line."},
      {Named(1, "MASTER €"), TextProblem::NoByte,
       "The name of item 1 (Master Ball) holds \"€\", which the game has no character for."},
      {Described(1, "ABCDEFGHIJKLMNOPQRS\nB"), TextProblem::LineTooWide,
       "Line 1 of the description of item 1 (Master Ball) shows 19 characters; a line shows at most 18 (\"POKé\" "
       "shows as 4)."},
      {Described(1, "A\nB\nC"), TextProblem::TooManyLines,
       "The description of item 1 (Master Ball) has 3 lines; a description has one or two."},
      {Described(200, "A TM."), TextProblem::NoDescription,
       "Item 200 (TM 9) has no description of its own: for items 191 to 255 the game shows the move's description "
       "instead."},
  };
  for (const auto& c : cases) {
    Texts texts(RomBuilder().WithEdition(Gold));
    // A good change beside it is not written either.
    const TextOutcome refused = texts.Store({Named(5, "BALL"), c.edit});
    EXPECT_EQ(refused.problems, std::vector{c.problem}) << c.message;
    EXPECT_EQ(refused.message, c.message + " Nothing was written.");
    EXPECT_EQ(texts.bytes, texts.before) << c.message;
  }
}

uint8_t SecondTextLowByte() {
  return RomBuilder().WithEdition(Gold).Bytes()[CleanTableCodePlaces(Gold).descriptionTable + 2];
}

TEST(ItemTexts, ReadsButDoesNotWriteDescriptionsWhoseRoomIsNotProven) {
  const auto places = CleanTableCodePlaces(Gold);
  const struct {
    RomBuilder rom;
    DescriptionRoomProblem problem;
    std::string reason;
  } cases[] = {
      // Item 2's text begins one byte later: a byte that no text holds.
      {RomBuilder().WithEdition(Gold).WithByte(places.descriptionTable + 2, SecondTextLowByte() + 1),
       DescriptionRoomProblem::TextsApart, "they do not lie one after another"},
      {RomBuilder().WithEdition(Gold).WithByte(places.descriptionTable + 1, 0x20),
       DescriptionRoomProblem::TextOutsideBank, "an address in their table leads outside their bank"},
      {RomBuilder().WithEdition(Gold).WithDescriptionCode(Gold, 0x30000), DescriptionRoomProblem::CodeRepeated,
       "Kestrune cannot tell which copy the game runs"},
      {RomBuilder().WithEdition(Gold).WithByte(places.descriptionCode + 22, 0x6F),  // the two banks differ
       DescriptionRoomProblem::CodeNotFound, "the game's code that prints them has been changed"},
  };
  for (const auto& c : cases) {
    Texts texts(c.rom);
    EXPECT_EQ(texts.texts.Descriptions().problem, c.problem) << c.reason;
    const bool readable =
        c.problem == DescriptionRoomProblem::TextsApart || c.problem == DescriptionRoomProblem::TextOutsideBank;
    EXPECT_EQ(texts.texts.Description(2).has_value(), readable) << c.reason;
    // Told as soon as the text is given, not only at the Store.
    EXPECT_EQ(texts.texts.Check({Described(2, "New.")}, Names()).problems,
              std::vector{TextProblem::DescriptionRoomUnknown});
    const TextOutcome refused = texts.Store({Described(2, "New.")});
    EXPECT_EQ(refused.problems, std::vector{TextProblem::DescriptionRoomUnknown});
    EXPECT_NE(refused.message.find(c.reason), std::string::npos) << refused.message;
    EXPECT_EQ(texts.bytes, texts.before);
  }
}

// Many random edits: a store either writes only inside the rooms and the
// table and reads back as given, or is refused and writes nothing.
TEST(ItemTexts, StoresOnlyInsideTheRoomsOrNotAtAll) {
  std::mt19937 random(7);
  const std::string letters = "ABC abc.'s POKé\n";
  for (int round = 0; round < 40; ++round) {
    Texts texts(RomBuilder().WithEdition(EditionTable[static_cast<size_t>(round % 3)]));
    std::vector<ItemTextEdit> edits;
    for (int edit = 0; edit < 4; ++edit) {
      std::string text;
      for (size_t i = random() % 30; i > 0; --i) text += letters[random() % letters.size()];
      const int item = static_cast<int>(random() % 200) + 1;
      edits.push_back(random() % 2 ? Named(item, text.substr(0, 8)) : Described(item, text));
    }
    const TextOutcome outcome = texts.Store(edits);
    if (!outcome.saved()) {
      EXPECT_EQ(texts.bytes, texts.before);
      continue;
    }
    EXPECT_TRUE(texts.ChangedOnlyInRooms());
    for (const ItemTextEdit& edit : edits) {
      if (edit.name) {
        EXPECT_EQ(texts.texts.Name(edit.item), edit.name);
      }
    }
  }
}

}  // namespace
