// Runs the built kestrune-cli on temporary 2 MiB ROM files and checks what
// it prints, its exit status and the bytes on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli_runner.h"
#include "items/edition_table.h"
#include "items/item_table_finder.h"
#include "items/item_texts.h"
#include "rom_builder.h"
#include "rom_io/rom_file.h"
#include "rom_io/rom_header.h"
#include "rom_io/stadium_checksums.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <thread>
#endif

namespace {

const Edition& Gold = EditionTable[0];
const Edition& Crystal = EditionTable[2];

class CliTest : public ::testing::Test {
 protected:
  // Potion (18) gets known values; everything else is noise.
  std::string Rom(const Edition& edition = Gold, std::string_view name = "rom.gbc", uint32_t seed = 1) {
    const auto path = dir_.Path(name);
    RomBuilder(RomBuilder::TwoMiB, seed)
        .WithEdition(edition)
        .WithRecord(edition, 18, {0x2C, 0x01, 0x00, 0x14, 0x80, 0x01, 0x40})
        .WithAsmEntry(edition, 18, 0xC5, 0x6E)
        .WithStadiumBlockOpenings(edition)
        .WithHeaderChecksum()
        .WriteTo(path);
    return path.string();
  }
  std::string PathOf(std::string_view name) const { return dir_.Path(name).string(); }
  CliRun Run(const std::vector<std::string>& arguments, const std::filesystem::path& out = {}) const {
    return RunCli(arguments, dir_.Root(), out);
  }

  TempDir dir_;
};

// Replaces the line that starts with `prefix`.
std::string WithLine(const std::string& text, const std::string& prefix, const std::string& line) {
  const size_t start = text.find("\n" + prefix) + 1;
  const size_t end = text.find('\n', start);
  return text.substr(0, start) + line + text.substr(end);
}

TEST_F(CliTest, VersionHelpAndBadUsage) {
  const auto version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "1.01\n");
  for (const char* command : {"info", "show", "set", "export", "import", "diff", "fix-checksum"}) {
    const auto help = Run({command, "--help"});
    EXPECT_EQ(help.status, 0) << command;
    EXPECT_NE(help.out.find("Usage:"), std::string::npos) << command;
  }
  const std::vector<std::vector<std::string>> badUsage{
      {}, {"frobnicate"}, {"show", Rom()}, {"export", Rom(), "--format", "xml"}, {"set", Rom(), "18", "--colour", "1"}};
  for (const auto& arguments : badUsage) EXPECT_EQ(Run(arguments).status, 2) << arguments.size();
  EXPECT_EQ(Run({"exprot", Rom()}).err, "There is no command \"exprot\"; did you mean \"export\"?\n");
}

TEST_F(CliTest, ExportEditImportExportShowsExactlyTheEdit) {
  for (const Edition& edition : EditionTable) {
    const auto rom = Rom(edition);
    ASSERT_EQ(Run({"export", rom, "-o", PathOf("before.csv")}).status, 0);
    const std::string before = ReadText(PathOf("before.csv"));
    const std::string name(edition.name);
    // Potion's description goes on over the next line.
    std::string edited = WithLine(before, "18,", "18,Potion,350,00,14,80,2,40,C56E," + name + ",\"Restores POKéMON");
    edited = WithLine(edited, "200,", "200,TM 9,1,02,03,04,4,05,," + name + ",,HELD_2,,ITEMMENU_NOUSE,ITEMMENU_PARTY,");
    WriteText(PathOf("edited.csv"), edited);

    const auto imported = Run({"import", rom, PathOf("edited.csv")});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.out.find("18 Potion price 300 -> 350\n18 Potion pocket 1 -> 2\n"), std::string::npos);
    EXPECT_NE(imported.out.find(" in 2 items changed.\n"), std::string::npos);

    const auto after = Run({"export", rom});
    EXPECT_EQ(after.out, edited) << edition.label;
  }
}

TEST_F(CliTest, JsonExportImportsBackUnchangedAndCarriesEdits) {
  const auto rom = Rom();
  const auto bytes = ReadFileBytes(rom);
  const auto exported = Run({"export", rom, "--format", "json"});
  ASSERT_EQ(exported.status, 0);
  EXPECT_NE(
      exported.out.find("\n{\"index\":18,\"name\":\"Potion\",\"price\":300,\"effect\":\"00\",\"variable\":\"14\","
                        "\"options\":\"80\",\"pocket\":1,\"how\":\"40\",\"asm\":\"C56E\",\"edition\":\"gold\","
                        "\"description\":\"Restores POKéMON\\nHP by 20.\",\"held_effect_name\":\"HELD_NONE\","
                        "\"property_name\":\"CANT_TOSS\",\"field_menu\":\"ITEMMENU_CURRENT\","
                        "\"battle_menu\":\"ITEMMENU_NOUSE\",\"routine\":null},\n"),
      std::string::npos);
  EXPECT_NE(exported.out.find("\"asm\":null,\"edition\":\"gold\",\"description\":null,"), std::string::npos);
  WriteText(PathOf("items.json"), exported.out);
  const auto same = Run({"import", rom, PathOf("items.json")});
  EXPECT_EQ(same.out, "0 fields in 0 items changed.\n");
  EXPECT_EQ(ReadFileBytes(rom), bytes);

  WriteText(PathOf("edit.json"), R"([{"index": 18, "how": "55", "asm": null}, {"index": 5, "pocket": "Ball"}])");
  const auto edit = Run({"import", rom, PathOf("edit.json")});
  EXPECT_EQ(edit.status, 0) << edit.err;
  EXPECT_NE(edit.out.find("18 Potion how 40 -> 55\n"), std::string::npos);
  EXPECT_NE(Run({"export", rom, "--format", "json"}).out.find("\"pocket\":1,\"how\":\"55\",\"asm\":\"C56E\","),
            std::string::npos);
}

// A spreadsheet that drops a column may drop the edition.
TEST_F(CliTest, PointersWithoutTheirEditionAreRefusedUntilItIsGiven) {
  const auto crystal = Rom(Crystal, "crystal.gbc");
  const auto gold = Rom(Gold, "gold.gbc", 2);
  const auto goldBytes = ReadFileBytes(gold);
  // Crystal's descriptions would not fit in Gold's room: the Crystal ROM
  // gets Gold's, so that only the edition stands between the two.
  std::string descriptions = "index,description\n";
  for (int item = 1; const std::string& text : CleanRomDescriptions(Gold)) {
    descriptions += std::to_string(item++) + ",\"" + text + "\"\n";
  }
  WriteText(PathOf("descriptions.csv"), descriptions);
  ASSERT_EQ(Run({"import", crystal, PathOf("descriptions.csv")}).status, 0);
  std::string cut = Run({"export", crystal}).out;
  for (const std::string cell : {",edition,", ",crystal,"}) {
    for (size_t at = cut.find(cell); at != std::string::npos; at = cut.find(cell, at)) cut.replace(at, cell.size(), ",");
  }
  WriteText(PathOf("cut.csv"), cut);

  const auto refused = Run({"import", gold, PathOf("cut.csv")});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("179 rows give an ASM pointer without the edition it comes from"), std::string::npos)
      << refused.err;
  EXPECT_EQ(Run({"import", gold, PathOf("cut.csv"), "--edition", "crystal"}).status, 2);
  EXPECT_EQ(Run({"import", gold, PathOf("cut.csv"), "--edition", ""}).status, 2);
  EXPECT_EQ(ReadFileBytes(gold), goldBytes);

  ASSERT_EQ(Run({"import", gold, PathOf("cut.csv"), "--across-editions"}).status, 0);
  EXPECT_EQ(Run({"diff", crystal, gold}).out.find(" price "), std::string::npos);
  const auto alike = Run({"import", crystal, PathOf("cut.csv"), "--edition", "crystal"});
  EXPECT_EQ(alike.out, "0 fields in 0 items changed.\n");
}

TEST_F(CliTest, AnEmptyImportFileIsRefused) {
  const auto rom = Rom();
  for (const char* name : {"empty.csv", "empty.json"}) {
    WriteText(PathOf(name), "");
    const auto run = Run({"import", rom, PathOf(name)});
    EXPECT_EQ(run.status, 2) << name;
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(CliTest, DryRunWritesNothing) {
  const auto rom = Rom();
  const auto bytes = ReadFileBytes(rom);
  WriteText(PathOf("edit.csv"), "index,price\n18,999\n");
  const auto dry = Run({"import", rom, PathOf("edit.csv"), "--dry-run"});
  EXPECT_EQ(dry.status, 0);
  EXPECT_EQ(dry.out, "18 Potion price 300 -> 999\n1 field in 1 item would change (dry run).\n");
  EXPECT_EQ(ReadFileBytes(rom), bytes);
}

TEST_F(CliTest, ImportWithOneBadRowChangesNoByte) {
  const struct {
    const char* badRow;
    const char* message;
  } cases[] = {
      {"19,70000,00", "line 3, price: Price: enter a whole number"},
      {"19,1,XY", "line 3, effect: Effect: enter one or two hexadecimal digits"},
      {"19,1", "line 3: 2 fields where the header has 3."},
      {"256,1,00", "line 3: index \"256\" is not an item number"},
  };
  const auto rom = Rom();
  const auto bytes = ReadFileBytes(rom);
  for (const auto& c : cases) {
    WriteText(PathOf("bad.csv"), std::string("index,price,effect\n18,999,01\n") + c.badRow + "\n20,5,02\n");
    const auto run = Run({"import", rom, PathOf("bad.csv")});
    EXPECT_EQ(run.status, 2) << c.badRow;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Nothing was written to"), std::string::npos);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFileBytes(rom), bytes) << c.badRow;
  }
}

TEST_F(CliTest, SetWithAnInvalidFieldIsRefusedAndWritesNothing) {
  const std::vector<std::vector<std::string>> cases{
      {"18", "--price", "70000"},
      {"18", "--price", "-32769"},
      {"18", "--price", "ten"},
      {"18", "--effect", "123"},
      {"18", "--variable", "G"},
      {"18", "--options", "0x1"},
      {"18", "--how", "-1"},
      {"18", "--asm", "12345"},
      {"18", "--asm", "PQ"},
      {"18", "--pocket", "256"},
      {"18", "--pocket", "Bag"},
      {"18", "--asm", ""},
      {"18", "--price", ""},
      {"180", "--asm", "0000"},
      {"18"},
      {"0", "--price", "1"},
      {"Teru-Sama", "--price", "1"},
      {"18", "--price", "1", "--effect", "XYZ"},
  };
  const auto rom = Rom();
  const auto bytes = ReadFileBytes(rom);
  for (const auto& fields : cases) {
    std::vector<std::string> arguments{"set", rom};
    arguments.insert(arguments.end(), fields.begin(), fields.end());
    const auto run = Run(arguments);
    EXPECT_EQ(run.status, 2) << fields.back();
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(ReadFileBytes(rom), bytes) << fields.back();
  }
  EXPECT_EQ(Run({"set", rom, "18", "--price", "ten"}).err,
            "Cannot save item 18 (Potion) in \"" + rom + "\": Price: enter a whole number from -32768 to 65535.\n");
  EXPECT_EQ(Run({"set", rom, "180", "--asm", "0000"}).err,
            "Cannot set the ASM pointer of item 180 (Brick Piece): only items 1 to 179 have one.\n");
}

TEST_F(CliTest, SetChangesOnlyItsItemAndShowsIt) {
  const auto rom = Rom(Crystal);
  const auto before = ReadFileBytes(rom);
  const auto run = Run({"set", rom, "potion", "--price", "-1", "--pocket", "tm/hm", "--asm", "12", "--how", "5"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Item 18: Potion\nPrice        65535\nEffect       00  None (HELD_NONE)\n"
            "Var.         14  the game does not read it for the held effect None (HELD_NONE)\n"
            "Use          80  Can't toss (CANT_TOSS)\n"
            "Pocket       TM/HM (4)\nType         05  field menu 0 (No use, ITEMMENU_NOUSE), battle menu 5 (Party, ITEMMENU_PARTY)\n"
            "ASM Pointer  0012\n"
            "Description  Restores POKéMON\n"
            "             HP by 20.\n");
  const auto record = static_cast<size_t>(RecordAddress(Crystal.itemTableBase, 18));
  const auto entry = static_cast<size_t>(AsmEntryAddress(Crystal.asmTableBase, 18));
  EXPECT_EQ(DifferingOffsets(before, ReadFileBytes(rom)),
            (std::vector<size_t>{record, record + 1, record + 5, record + 6, entry, entry + 1}));
  EXPECT_EQ(Run({"show", rom, "18"}).out, run.out);
}

TEST_F(CliTest, DiffListsEveryDifferingFieldItemByItem) {
  const auto gold = Rom(Gold, "gold.gbc");
  const auto copy = dir_.Path("copy.gbc");
  std::filesystem::copy_file(gold, copy);
  const auto self = Run({"diff", gold, gold});
  EXPECT_EQ(self.status, 0);
  EXPECT_EQ(self.out, "");

  ASSERT_EQ(Run({"set", copy.string(), "18", "--price", "400", "--asm", "C56F"}).status, 0);
  const auto changed = Run({"diff", gold, copy.string()});
  EXPECT_EQ(changed.status, 1);
  EXPECT_EQ(changed.out, "18 Potion price 300 -> 400\n18 Potion asm C56E -> C56F\n");

  // A Crystal ROM given the Gold ROM's items differs only in the pointers,
  // which are addresses in each edition's own code; its tables lie elsewhere.
  const auto crystal = Rom(Crystal, "crystal.gbc", 9);
  const auto crystalBytes = ReadFileBytes(crystal);
  EXPECT_EQ(Run({"diff", gold, crystal}).status, 1);
  ASSERT_EQ(Run({"export", gold, "-o", PathOf("gold.csv")}).status, 0);
  const auto refused = Run({"import", crystal, PathOf("gold.csv")});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("line 2: item 1 (Master Ball) comes from Pokémon Gold Version"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(crystal), crystalBytes);
  ASSERT_EQ(Run({"import", crystal, PathOf("gold.csv"), "--across-editions"}).status, 0);
  const auto across = Run({"diff", gold, crystal});
  EXPECT_EQ(across.status, 1);
  std::istringstream lines(across.out);
  // The names are not imported: Crystal's own stand where Gold has unused items.
  for (std::string line; std::getline(lines, line);) {
    EXPECT_TRUE(line.find(" asm ") != std::string::npos || line.find(" name TERU-SAMA -> ") != std::string::npos) << line;
  }
}

TEST_F(CliTest, FixChecksumMakesInfoReportCurrentChecksums) {
  const auto rom = Rom();
  const auto before = ReadFileBytes(rom);
  const auto info = Run({"info", rom});
  EXPECT_EQ(info.status, 0);
  EXPECT_NE(info.out.find("Edition            Pokémon Gold Version\n"), std::string::npos);
  EXPECT_NE(info.out.find("\nGame code          AAUE\nSize               2097152 bytes\n"), std::string::npos);
  EXPECT_NE(info.out.find("\nGlobal checksum    stored 0x"), std::string::npos);
  EXPECT_NE(info.out.find(
                "(different)\nStadium checksums  stale (256 half-banks; run fix-checksum)\nKnown dump         none\n"),
            std::string::npos)
      << info.out;

  const auto fixed = Run({"fix-checksum", rom});
  EXPECT_EQ(fixed.status, 0);
  EXPECT_NE(fixed.out.find("; Stadium checksums of 256 half-banks refreshed.\n"), std::string::npos) << fixed.out;
  EXPECT_NE(Run({"info", rom}).out.find("(equal)\nStadium checksums  current\n"), std::string::npos);
  const auto after = ReadFileBytes(rom);
  for (size_t offset : DifferingOffsets(before, after)) {
    EXPECT_TRUE(offset == 0x14E || offset == 0x14F || offset >= N64BlockOffset) << offset;
  }

  const auto again = Run({"fix-checksum", rom});
  EXPECT_EQ(again.status, 0);
  EXPECT_NE(again.out.find("is already current"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(rom), after);

  // The item table lies in half-bank 3; the last half-bank holds the sums.
  ASSERT_EQ(Run({"set", rom, "18", "--price", "1"}).status, 0);
  EXPECT_NE(Run({"info", rom}).out.find("Stadium checksums  stale (2 half-banks; run fix-checksum)\n"),
            std::string::npos);
}

// A ROM hack may use the space where the clean games keep the Stadium blocks.
TEST_F(CliTest, FixChecksumLeavesARomWithoutStadiumBlocksItsLastBytes) {
  const auto rom = PathOf("hack.gbc");
  RomBuilder().WithEdition(Crystal).WithStadiumBlockOpenings(Gold).WithHeaderChecksum().WriteTo(rom);
  const auto before = ReadFileBytes(rom);
  EXPECT_NE(Run({"info", rom}).out.find("Stadium checksums  none\n"), std::string::npos);
  EXPECT_EQ(Run({"fix-checksum", rom}).status, 0);
  EXPECT_EQ(DifferingOffsets(before, ReadFileBytes(rom)), (std::vector<size_t>{0x14E, 0x14F}));
}

// A CSV file is long enough to hold a header's bytes, but is no ROM.
TEST_F(CliTest, FixChecksumWritesIntoNothingButARomImage) {
  ASSERT_EQ(Run({"export", Rom(), "-o", PathOf("items.csv")}).status, 0);
  const auto text = ReadFileBytes(PathOf("items.csv"));
  const auto run = Run({"fix-checksum", PathOf("items.csv")});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("is not a Game Boy ROM image"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFileBytes(PathOf("items.csv")), text);
}

TEST_F(CliTest, FilesThatCannotBeReadOrWritten) {
  const auto rom = Rom();
  const auto missing = PathOf("missing.gbc");
  for (const char* command : {"info", "export", "fix-checksum"}) EXPECT_EQ(Run({command, missing}).status, 3);
  EXPECT_EQ(Run({"show", missing, "1"}).status, 3);
  EXPECT_EQ(Run({"set", missing, "1", "--price", "1"}).status, 3);
  EXPECT_EQ(Run({"diff", rom, missing}).status, 3);
  EXPECT_EQ(Run({"import", rom, PathOf("missing.csv")}).status, 3);
  EXPECT_EQ(Run({"info", dir_.Root().string()}).status, 3);
  const auto noFolder = Run({"export", rom, "-o", PathOf("no/such/folder.csv")});
  EXPECT_EQ(noFolder.status, 3);
  EXPECT_EQ(noFolder.err, "Cannot write \"" + PathOf("no/such/folder.csv") + "\": No such file or directory.\n");
  EXPECT_EQ(Run({"show", missing, "1"}).err, "Cannot read \"" + missing + "\": No such file or directory.\n");
  // A device that is always full, where the system has one.
  if (!std::filesystem::exists("/dev/full")) return;
  const auto full = Run({"export", rom}, "/dev/full");
  EXPECT_EQ(full.status, 3);
  EXPECT_EQ(full.err, "Cannot write to standard output: No space left on device.\n");
}

// The write is done and stays done; only the report is lost.
TEST_F(CliTest, AReportLostAfterAWriteSaysTheRomWasSaved) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no device that is always full";
  const auto rom = Rom();
  const auto bytes = ReadFileBytes(rom);
  WriteText(PathOf("edit.csv"), "index,price\n18,5\n");
  const std::vector<std::vector<std::string>> writes{
      {"set", rom, "18", "--price", "1"}, {"import", rom, PathOf("edit.csv")}, {"fix-checksum", rom}};
  for (const auto& arguments : writes) {
    const auto before = ReadFileBytes(rom);
    const auto run = Run(arguments, "/dev/full");
    EXPECT_EQ(run.status, 3) << arguments[0];
    EXPECT_EQ(run.err, "The ROM was saved; the report could not be written: No space left on device.\n");
    EXPECT_NE(ReadFileBytes(rom), before) << arguments[0];
  }
  EXPECT_EQ(Run({"import", rom, PathOf("edit.csv"), "--dry-run"}, "/dev/full").err,
            "Cannot write to standard output: No space left on device.\n");
}

TEST_F(CliTest, ExportOutputNames) {
  const auto rom = Rom();
  const auto empty = Run({"export", rom, "-o", ""});
  EXPECT_EQ(empty.status, 2);
  EXPECT_EQ(empty.err, "-o is given an empty value: give a file name, or - for standard output.\n");
  const auto dash = Run({"export", rom, "-o", "-"});
  EXPECT_EQ(dash.status, 0);
  EXPECT_EQ(dash.out, Run({"export", rom}).out);
  EXPECT_FALSE(std::filesystem::exists(PathOf("-")));
}

#ifndef _WIN32
// Nothing can be renamed over a device or a FIFO: the export goes straight in.
TEST_F(CliTest, ExportsIntoADeviceAndAFifo) {
  const auto rom = Rom();
  EXPECT_EQ(Run({"export", rom, "-o", "/dev/null"}).status, 0);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

  const auto fifo = PathOf("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] {
    std::ifstream in(fifo, std::ios::binary);
    received.assign(std::istreambuf_iterator<char>(in), {});
  });
  const auto exported = Run({"export", rom, "-o", fifo});
  // Lets the reader go when the tool never opened the FIFO.
  if (const int unblock = open(fifo.c_str(), O_WRONLY | O_NONBLOCK); unblock >= 0) close(unblock);
  reader.join();
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(received, Run({"export", rom}).out);
}

// A file that may be written, beside which no temporary file can be made
// (here its name leaves no room for the temporary one's): the message gives
// the system's reason, and the file stays as it was.
TEST_F(CliTest, AnOutputWithoutRoomForItsTemporaryFileSaysWhy) {
  const auto rom = Rom();
  const auto output = PathOf(std::string(250, 'e'));
  WriteFileBytes(output, {1, 2, 3});
  const auto exported = Run({"export", rom, "-o", output});
  EXPECT_EQ(exported.status, 3);
  EXPECT_EQ(exported.err, "Cannot write \"" + output + "\": File name too long.\n");
  EXPECT_EQ(ReadFileBytes(output), (std::vector<uint8_t>{1, 2, 3}));
}
#endif

TEST_F(CliTest, NoOutputMayBeAnInput) {
  const auto rom = Rom();
  const auto bytes = ReadFileBytes(rom);
  std::filesystem::create_hard_link(rom, PathOf("hard.gbc"));
  EXPECT_EQ(Run({"export", rom, "-o", PathOf("hard.gbc")}).status, 2);
  EXPECT_EQ(Run({"import", rom, rom}).status, 2);
  EXPECT_EQ(Run({"show", rom, "18"}, rom).status, 2);
  EXPECT_EQ(ReadFileBytes(rom), bytes);
}

// "/" never starts an option, on Windows neither. There a path without its
// drive is on the current one (under Wine, a Linux path): the working
// folder's own path with "/" for its drive is the same file either way.
TEST_F(CliTest, APathBeginningWithASlashIsAPath) {
#ifdef _WIN32
  // Wine reads a path that begins with / as a Linux path: the working
  // folder's own path names the same file either way.
  const std::filesystem::path rom = std::filesystem::current_path() / "slash-path.gbc";
#else
  const std::filesystem::path rom = dir_.Path("slash-path.gbc");
#endif
  std::filesystem::copy_file(Rom(), rom, std::filesystem::copy_options::overwrite_existing);
  const auto info = Run({"info", "/" + rom.relative_path().generic_string()});
  std::filesystem::remove(rom);
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Edition            Pokémon Gold Version\n"), std::string::npos) << info.out;
}

TEST_F(CliTest, ReadOnlyRomIsAFileError) {
  const auto rom = Rom();
  std::filesystem::permissions(rom, std::filesystem::perms::owner_read);
  if (OpensForWriting(rom)) GTEST_SKIP() << "running with rights that ignore file modes";
  const auto set = Run({"set", rom, "18", "--price", "1"});
  EXPECT_EQ(set.status, 3);
  EXPECT_EQ(set.err, "Cannot save to \"" + rom + "\": Permission denied.\n");
  EXPECT_EQ(Run({"fix-checksum", rom}).status, 3);
  EXPECT_EQ(Run({"show", rom, "18"}).status, 0);
}

// A file larger than any cartridge is scanned, never held whole: its header
// still names the edition, and only its global checksum can be fixed.
TEST_F(CliTest, AFileLargerThanAnyCartridgeIsStillDescribedAndFixed) {
  const auto large = PathOf("large.gbc");
  RomBuilder(static_cast<size_t>(LargestRomSize) + 1).WithEdition(Gold).WithHeaderChecksum().WriteTo(large);
  const auto info = Run({"info", large});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Edition            Pokémon Gold Version\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Size               8388609 bytes\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Stadium checksums  none\n"), std::string::npos) << info.out;
  const auto before = ReadFileBytes(large);
  const auto fixed = Run({"fix-checksum", large});
  EXPECT_EQ(fixed.status, 0) << fixed.err;
  for (size_t offset : DifferingOffsets(before, ReadFileBytes(large))) EXPECT_TRUE(offset == 0x14E || offset == 0x14F);
  EXPECT_NE(Run({"info", large}).out.find("(equal)\nStadium checksums  none\n"), std::string::npos);
}

TEST_F(CliTest, RomsWithoutItemTablesAreRefused) {
  const auto unsupported = PathOf("other.gbc");
  RomBuilder().WithEditionByte(0x61).WriteTo(unsupported);
  EXPECT_NE(Run({"info", unsupported}).out.find("Edition            Unsupported Rom\n"), std::string::npos);
  const auto show = Run({"show", unsupported, "1"});
  EXPECT_EQ(show.status, 2);
  EXPECT_EQ(show.err, "\"" + unsupported + "\" is not a supported ROM (Unsupported Rom).\n");

  const auto tiny = PathOf("tiny.gbc");
  RomBuilder(0x100).WriteTo(tiny);
  EXPECT_EQ(Run({"info", tiny}).status, 2);
  EXPECT_EQ(Run({"fix-checksum", tiny}).status, 2);
  EXPECT_EQ(ReadFileBytes(tiny).size(), 0x100u);

  const auto cut = PathOf("cut.gbc");
  RomBuilder(0xE000).WithEdition(Gold).WriteTo(cut);
  EXPECT_EQ(Run({"export", cut}).status, 2);
}

// Of two ROMs, the message names the one it means.
TEST_F(CliTest, DiffNamesTheRomWhoseTablesItCannotFind) {
  const auto rewritten = PathOf("rewritten.gbc");
  RomBuilder().WithEditionByte(0x47).WithGameCode("AAUE").WriteTo(rewritten);
  const auto diff = Run({"diff", Rom(), rewritten});
  EXPECT_EQ(diff.status, 2);
  EXPECT_EQ(diff.err, "\"" + rewritten +
                          "\": Kestrune cannot find the item table and the ASM pointer table in this ROM: the game's "
                          "code that reads them has been changed. Nothing was read or written.\n");
}

// Cut short past its tables, a ROM still holds its items but not the whole game.
TEST_F(CliTest, ARomCutShortIsRefusedAndLeftAsItIs) {
  const auto rom = PathOf("cut.gbc");
  RomBuilder().WithEdition(Gold).WithByte(RomSizeOffset, 0x06).WriteTo(rom);
  std::filesystem::resize_file(rom, 1'000'000);
  const auto before = ReadFileBytes(rom);
  const auto set = Run({"set", rom, "18", "--price", "1"});
  EXPECT_EQ(set.status, 2);
  EXPECT_EQ(set.err, "\"" + rom +
                         "\" is cut short: its header gives a ROM of 2 MiB (2097152 bytes), but the file holds 1000000 "
                         "bytes. Nothing was read or written.\n");
  EXPECT_EQ(ReadFileBytes(rom), before);
}

// Hacks that changed one header field open; the tool says which field, or
// why the header or the code keeps the ROM from opening.
TEST_F(CliTest, AHacksOwnHeaderIsToldAndRefusedOnlyWhereItMustBe) {
  const auto own = PathOf("own code.gbc");
  RomBuilder().WithEdition(Crystal).WithGameCode("KAPE").WriteTo(own);
  EXPECT_NE(Run({"info", own}).out.find("Edition            Pokémon Crystal Version\nHeader             the game "
                                        "code is not the release's; the title names Pokémon Crystal Version\n"),
            std::string::npos);
  EXPECT_EQ(Run({"show", own, "1"}).status, 0);

  const auto mixed = PathOf("mixed.gbc");
  RomBuilder().WithEdition(Gold).WithGameCode("AAXE").WriteTo(mixed);
  EXPECT_EQ(Run({"show", mixed, "1"}).err, "\"" + mixed +
                                               "\" is not a supported ROM (Unsupported Rom): the title names Pokémon "
                                               "Gold Version, but the game code AAXE names Pokémon Silver Version.\n");

  const auto twice = PathOf("twice.gbc");
  const size_t code = CleanTableCodePlaces(Gold).itemUseCode;
  RomBuilder rom = RomBuilder().WithEdition(Gold);
  const std::vector<uint8_t> clean = rom.Bytes();
  for (size_t i = 0; i < 14; ++i) rom.WithByte(0xF000 + i, clean[code + i]);
  rom.WriteTo(twice);
  EXPECT_NE(Run({"info", twice}).out.find("ASM pointer table  not found: the code that reads it occurs more than once\n"),
            std::string::npos);
  EXPECT_EQ(Run({"show", twice, "1"}).err,
            "\"" + twice +
                "\": Kestrune cannot find the ASM pointer table in this ROM: the game's code that reads it occurs more "
                "than once, and Kestrune cannot tell which copy the game runs. Nothing was read or written.\n");
}

}  // namespace

namespace {

// A ROM hack: both tables moved, and Master Ball renamed in the ROM's own list.
// Whether every byte that differs lies in one of `spans`.
bool ChangedOnlyIn(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after,
                   const std::vector<FileSpan>& spans) {
  return std::ranges::all_of(DifferingOffsets(before, after), [&](size_t at) {
    return std::ranges::any_of(spans, [at](const FileSpan& span) { return span.Overlaps({static_cast<int64_t>(at), 1}); });
  });
}

TEST_F(CliTest, SetNameRewritesTheNameListInsideItsRoom) {
  const auto rom = Rom();
  const auto before = ReadFileBytes(rom);
  const FileSpan names = ItemTexts(before).NameRoom()->Room();
  const auto longer = Run({"set", rom, "3", "--name", "BRIGHTPOWDERS"});
  EXPECT_EQ(longer.status, 2);
  EXPECT_NE(longer.err.find("shows 13 characters; a name shows at most 12"), std::string::npos) << longer.err;
  EXPECT_EQ(ReadFileBytes(rom), before);

  const auto set = Run({"set", rom, "3", "--name", "BRIGHT DUST"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_TRUE(set.out.starts_with("Item 3: BRIGHT DUST\n"));
  const auto after = ReadFileBytes(rom);
  EXPECT_TRUE(ChangedOnlyIn(before, after, {names}));
  EXPECT_EQ(after[static_cast<size_t>(names.End() - 1)], 0x50);
  EXPECT_EQ(Run({"diff", rom, rom}).out, "");
}

TEST_F(CliTest, SetDescriptionRewritesTheDescriptionsInsideTheirRoom) {
  const auto rom = Rom(Crystal);
  const auto before = ReadFileBytes(rom);
  // The same bytes with the line break moved: only two of them change.
  const auto set = Run({"set", rom, "master ball", "--description", "The best BALL.\\nIt never misses."});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_NE(set.out.find("\nDescription  The best BALL.\n             It never misses.\n"), std::string::npos);
  const auto room = static_cast<size_t>(CleanTableCodePlaces(Crystal).descriptionTexts);
  EXPECT_EQ(DifferingOffsets(before, ReadFileBytes(rom)), (std::vector<size_t>{room + 14, room + 17}));

  const auto tm = Run({"set", rom, "200", "--description", "A move."});
  EXPECT_EQ(tm.status, 2);
  EXPECT_NE(tm.err.find("Item 200 (TM 9) has no description of its own"), std::string::npos) << tm.err;
}

TEST_F(CliTest, ImportRenamesOnlyWhenAsked) {
  const auto rom = Rom();
  ASSERT_EQ(Run({"export", rom, "-o", PathOf("items.csv")}).status, 0);
  const std::string exported = ReadText(PathOf("items.csv"));
  WriteText(PathOf("renamed.csv"), WithLine(exported, "18,", "18,PILL,300,00,14,80,1,40,C56E,gold,\"Restores POKéMON"));
  const auto before = ReadFileBytes(rom);
  const auto checked = Run({"import", rom, PathOf("renamed.csv")});
  EXPECT_EQ(checked.status, 2);
  EXPECT_NE(checked.err.find("name \"PILL\" is not the name of item 18 (Potion)"), std::string::npos) << checked.err;
  EXPECT_EQ(ReadFileBytes(rom), before);

  const auto renamed = Run({"import", rom, PathOf("renamed.csv"), "--rename"});
  ASSERT_EQ(renamed.status, 0) << renamed.err;
  EXPECT_EQ(renamed.out, "18 Potion name POTION -> PILL\n1 field in 1 item changed.\n");
  EXPECT_TRUE(ChangedOnlyIn(before, ReadFileBytes(rom), {ItemTexts(before).NameRoom()->Room()}));
  EXPECT_EQ(Run({"export", rom}).out, WithLine(exported, "18,", "18,PILL,300,00,14,80,1,40,C56E,gold,\"Restores POKéMON"));
}

TEST_F(CliTest, ExportedDescriptionsImportBackAndCarryEdits) {
  for (const std::string format : {"csv", "json"}) {
    const auto rom = Rom(Gold, "rom-" + format + ".gbc");
    const auto before = ReadFileBytes(rom);
    const auto exported = Run({"export", rom, "--format", format});
    WriteText(PathOf("items." + format), exported.out);
    EXPECT_EQ(Run({"import", rom, PathOf("items." + format)}).out, "0 fields in 0 items changed.\n");
    EXPECT_EQ(ReadFileBytes(rom), before);
  }
  const auto rom = Rom();
  const auto before = ReadFileBytes(rom);
  WriteText(PathOf("edit.csv"), "index,description\n18,\"Restores 20 HP.\"\n19,\n");
  const auto edit = Run({"import", rom, PathOf("edit.csv")});
  ASSERT_EQ(edit.status, 0) << edit.err;
  EXPECT_EQ(edit.out, "18 Potion description Restores POKéMON\\nHP by 20. -> Restores 20 HP.\n1 field in 1 item changed.\n");
  const ItemTexts texts(before);
  const DescriptionTexts& descriptions = texts.Descriptions();
  EXPECT_TRUE(ChangedOnlyIn(before, ReadFileBytes(rom), {descriptions.room, descriptions.table}));
  EXPECT_NE(Run({"export", rom}).out.find("\n18,Potion,300,00,14,80,1,40,C56E,gold,Restores 20 HP.,HELD_NONE,"), std::string::npos);
  EXPECT_NE(Run({"diff", Rom(Gold, "clean.gbc"), rom}).out.find("18 Potion description Restores POKéMON\\nHP by 20. -> Restores 20 HP.\n"),
            std::string::npos);
}

TEST_F(CliTest, WorksOnAHacksOwnTablesAndNames) {
  std::vector<std::string> names = CleanRomItemNames(Gold);
  names[0] = "SHINY CHARM";
  const auto rom = PathOf("hack.gbc");
  RomBuilder()
      .WithEdition(Gold)
      .WithItemTableAt(Gold, 0x4C000)
      .WithPointerTableAt(Gold, 0xEA00)
      .WithItemNames(Gold, names)
      .WriteTo(rom);
  const auto before = ReadFileBytes(rom);
  EXPECT_TRUE(Run({"show", rom, "shiny charm"}).out.starts_with("Item 1: SHINY CHARM\n"));
  EXPECT_NE(Run({"info", rom}).out.find("\nItem table         0x4C000, moved from 0x68A0\n"), std::string::npos);
  ASSERT_EQ(Run({"set", rom, "shiny", "--price", "1"}).status, 0);
  WriteFileBytes(PathOf("prices.csv"), {'i', 'n', 'd', 'e', 'x', ',', 'p', 'r', 'i', 'c', 'e', '\n', '2', ',', '5', '\n'});
  ASSERT_EQ(Run({"import", rom, PathOf("prices.csv")}).status, 0);

  const auto after = ReadFileBytes(rom);
  for (size_t offset : DifferingOffsets(before, after)) {
    EXPECT_TRUE(offset == 0x4C000 || offset == 0x4C001 || offset == 0x4C007 || offset == 0x4C008) << offset;
  }
  EXPECT_EQ((std::vector<uint8_t>(after.begin() + 0x4C000, after.begin() + 0x4C009)),
            (std::vector<uint8_t>{1, 0, before[0x4C002], before[0x4C003], before[0x4C004], before[0x4C005],
                                  before[0x4C006], 5, 0}));
  EXPECT_NE(Run({"export", rom}).out.find("\n1,SHINY CHARM,1,"), std::string::npos);
}

// A name stores the bytes its hex would; the routine's comes from the
// symbol file beside the ROM, as `info` says.
TEST_F(CliTest, SetByNameWritesWhatSetByHexWrites) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases{
      {{"--effect", "held_berry"}, {"--effect", "01"}},
      {{"--use", "CANT_SELECT | CANT_TOSS"}, {"--options", "C0"}},
      {{"--type", "CURRENT,ITEMMENU_PARTY"}, {"--how", "45"}},
      {{"--routine", "TestEffect"}, {"--asm", "BC7A"}},
  };
  for (const auto& [byName, byHex] : cases) {
    const auto named = Rom(Gold, "named.gbc"), hex = Rom(Gold, "hex.gbc");
    WriteText(PathOf("named.sym"), "01:68A0 ItemAttributes\n03:67C0 ItemEffects\n03:7ABC TestEffect\n");
    std::vector<std::string> arguments{"set", named, "18"};
    arguments.insert(arguments.end(), byName.begin(), byName.end());
    EXPECT_EQ(Run(arguments).status, 0) << byName[1];
    arguments = {"set", hex, "18"};
    arguments.insert(arguments.end(), byHex.begin(), byHex.end());
    EXPECT_EQ(Run(arguments).status, 0) << byHex[1];
    EXPECT_EQ(ReadFileBytes(named), ReadFileBytes(hex)) << byName[1];
  }
  EXPECT_NE(Run({"info", Rom(Gold, "named.gbc")}).out.find("Routine names      the symbol file \""),
            std::string::npos);
  EXPECT_EQ(Run({"set", Rom(), "18", "--effect", "held_bery"}).err,
            "There is no held effect \"held_bery\"; did you mean HELD_BERRY?\n");
  // A symbol file given by mistake is not passed over in silence.
  const std::string missing = PathOf("missing.sym");
  EXPECT_EQ(Run({"set", Rom(), "18", "--routine", "TestEffect", "--symbols", missing}).err.rfind(
                "Warning: The symbol file \"" + missing + "\" cannot be read: ", 0),
            0);
}

TEST_F(CliTest, ImportTakesANameColumnAndRefusesOneThatDisagrees) {
  const auto rom = Rom();
  const auto record = static_cast<size_t>(RecordAddress(Gold.itemTableBase, 18));
  WriteText(PathOf("named.csv"), "index,held_effect_name,property_name,battle_menu\n18,Berry,CANT_SELECT,PARTY\n");
  const auto imported = Run({"import", rom, PathOf("named.csv")});
  EXPECT_EQ(imported.status, 0) << imported.err;
  const auto bytes = ReadFileBytes(rom);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + static_cast<long>(record) + 2, bytes.begin() + static_cast<long>(record) + 7),
            (std::vector<uint8_t>{0x01, 0x14, 0x40, 0x01, 0x45}));

  WriteText(PathOf("both.csv"), "index,effect,held_effect_name\n18,02,HELD_BERRY\n");
  const auto refused = Run({"import", rom, PathOf("both.csv")});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "\"" + PathOf("both.csv") + "\"" +
                             " line 2, held_effect_name: \"HELD_BERRY\" is 01, but the effect column gives \"02\"; "
                             "give one of them, or make them agree.\nNothing was written to \"" + rom + "\".\n");
  EXPECT_EQ(ReadFileBytes(rom), bytes);
}

}  // namespace

