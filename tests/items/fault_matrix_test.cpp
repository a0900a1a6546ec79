// What the item editor does when the file is not what it was, or not a file
// at all: every fault gives a clear outcome, and nothing but a legitimate
// Save changes a byte.
#include <gtest/gtest.h>

#include "items/rom_item_editor.h"
#include "rom_builder.h"
#include "rom_io/file_path.h"
#include "rom_io/rom_file.h"

namespace {

const Edition& Gold = EditionTable[0];

class FailedSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.Path("rom.gbc").string();
    RomBuilder().WithEdition(EditionTable[0]).WriteTo(path_);
    editor_.OpenRom(path_);
    ASSERT_TRUE(editor_.LoadItem(12).fields);
  }
  void TearDown() override { SetByteWriterForTesting({}); }

  const ItemFields fields_{"500", "01", "02", "03", 1, "04", "0506"};
  TempDir dir_;
  std::string path_;
  RomItemEditor editor_;
};

TEST_F(FailedSaveTest, MissingFileIsReportedAndNotCreated) {
  std::filesystem::remove(path_);
  const auto outcome = editor_.SaveItem(fields_);
  EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(outcome.problem, EditorProblem::CannotWrite);
  EXPECT_EQ(outcome.cause, std::errc::no_such_file_or_directory);
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(FailedSaveTest, DirectoryInPlaceOfTheFile) {
  std::filesystem::remove(path_);
  std::filesystem::create_directory(path_);
  EXPECT_EQ(editor_.SaveItem(fields_).kind, SaveOutcome::Kind::Failed);
}

TEST_F(FailedSaveTest, ReadOnlyFileIsUnchanged) {
  const auto before = ReadFileBytes(path_);
  std::filesystem::permissions(path_, std::filesystem::perms::owner_read);
  if (OpensForWriting(path_)) GTEST_SKIP() << "running with rights that ignore file modes";
  EXPECT_EQ(editor_.SaveItem(fields_).kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(ReadFileBytes(path_), before);
}

// Cut short after its tables: the tables are still found, but the file is
// no longer the ROM that was opened.
TEST_F(FailedSaveTest, TruncatedFileIsUnchanged) {
  std::filesystem::resize_file(path_, 1'000'000);
  const auto before = ReadFileBytes(path_);
  const auto outcome = editor_.SaveItem(fields_);
  EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(outcome.problem, EditorProblem::SizeChanged);
  EXPECT_EQ(ReadFileBytes(path_), before);
}

TEST_F(FailedSaveTest, FileReplacedByAnotherEditionIsUnchanged) {
  RomBuilder(RomBuilder::TwoMiB, 99).WithEdition(EditionTable[2]).WriteTo(path_);
  const auto before = ReadFileBytes(path_);
  const auto outcome = editor_.SaveItem(fields_);
  EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(outcome.problem, EditorProblem::Replaced);
  EXPECT_EQ(ReadFileBytes(path_), before);
}

TEST_F(FailedSaveTest, FileRebuiltWithItsTablesMovedIsUnchanged) {
  RomBuilder().WithEdition(EditionTable[0]).WithItemTableAt(EditionTable[0], 0x68A7).WriteTo(path_);
  const auto before = ReadFileBytes(path_);
  const auto outcome = editor_.SaveItem(fields_);
  EXPECT_EQ(outcome.problem, EditorProblem::TablesMoved);
  EXPECT_EQ(ReadFileBytes(path_), before);
}

TEST_F(FailedSaveTest, WriteRefusedPartWayIsReportedWithWhatWasWritten) {
  int allowed = 3;
  SetByteWriterForTesting([&](const std::string& path, int64_t offset, uint8_t value) {
    return allowed-- > 0 && WriteOneByteToDisk(path, offset, value);
  });
  const auto outcome = editor_.SaveItem(fields_);
  EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
  EXPECT_EQ(outcome.problem, EditorProblem::PartWritten);
  EXPECT_NE(outcome.message.find("only 3 of the item's 9 bytes"), std::string::npos);
}

// A Load that cannot read the item's own bytes shows nothing, and the Save
// after it writes nothing: the fields still hold another item's values.
class FailedLoadTest : public FailedSaveTest {
 protected:
  void ExpectRefused(EditorProblem problem) {
    const auto before = std::filesystem::exists(path_) ? ReadFileBytes(path_) : std::vector<uint8_t>();
    const auto loaded = editor_.LoadItem(13);
    EXPECT_FALSE(loaded.fields);
    EXPECT_EQ(loaded.problem, problem);
    const auto saved = editor_.SaveItem(fields_);
    EXPECT_EQ(saved.problem, EditorProblem::NothingLoaded);
    if (!before.empty()) {
      EXPECT_EQ(ReadFileBytes(path_), before);
    }
  }
};

TEST_F(FailedLoadTest, DeletedFileIsNamedWithTheSystemsReason) {
  std::filesystem::remove(path_);
  ExpectRefused(EditorProblem::CannotRead);
  EXPECT_EQ(editor_.LoadItem(13).message, "Cannot read \"" + path_ + "\": No such file or directory.");
}

TEST_F(FailedLoadTest, TruncatedFile) {
  std::filesystem::resize_file(path_, 1'000'000);
  ExpectRefused(EditorProblem::SizeChanged);
  EXPECT_EQ(editor_.LoadItem(13).message, "Cannot read \"" + path_ +
                                              "\": the file is now 1000000 bytes long, not the 2097152 it had when it "
                                              "was opened. Open it again.");
}

TEST_F(FailedLoadTest, FileReplacedByAnotherEdition) {
  RomBuilder(RomBuilder::TwoMiB, 99).WithEdition(EditionTable[2]).WriteTo(path_);
  ExpectRefused(EditorProblem::Replaced);
}

TEST_F(FailedLoadTest, NoSupportedRomOpen) {
  for (const std::string& path : {std::string(), dir_.Path("missing.gbc").string()}) {
    editor_.OpenRom(path);
    ExpectRefused(EditorProblem::NoRomOpen);
  }
}

struct OddFile {
  std::string name;
  std::vector<uint8_t> bytes;
  std::string label;
};

void PrintTo(const OddFile& file, std::ostream* out) { *out << file.name; }

std::vector<uint8_t> GoldHeaderOnly(size_t size) {
  auto bytes = RomBuilder(0x200).WithEdition(Gold).Bytes();
  bytes.resize(size);
  return bytes;
}

class OddFileTest : public ::testing::TestWithParam<OddFile> {};

// Short files open without a crash. None holds the code that leads to the
// item tables, so no item loads or saves, and the file stays as it was.
TEST_P(OddFileTest, LoadsAndSavesNothingWithoutTheItemTables) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc").string();
  WriteFileBytes(path, GetParam().bytes);
  RomItemEditor editor;
  EXPECT_EQ(editor.OpenRom(path).label, GetParam().label);
  for (int16_t item : {int16_t{1}, int16_t{179}, int16_t{255}}) {
    EXPECT_FALSE(editor.LoadItem(item).fields) << item;
    EXPECT_FALSE(editor.SaveItem(ItemFields{"1", "1", "1", "1", 1, "1", "1"}).saved()) << item;
  }
  EXPECT_EQ(ReadFileBytes(path), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    ShortFiles, OddFileTest,
    ::testing::Values(OddFile{"Empty", {}, "Unsupported Rom"}, OddFile{"OneByte", {0x47}, "Unsupported Rom"},
                      OddFile{"HeaderOnly", GoldHeaderOnly(0x150), "Pokémon Gold Version"},
                      OddFile{"ThirtyTwoKiB", GoldHeaderOnly(0x8000), "Pokémon Gold Version"}),
    [](const ::testing::TestParamInfo<OddFile>& param) { return param.param.name; });

struct PathCase {
  const char* name;
  std::string relativePath;
};

const PathCase kPathCases[] = {
    {"Spaces", "with spaces in it.gbc"},
    {"NonAscii", "Pokémon Kristall ★.gbc"},
    {"LongerThanTheDialogBuffer", std::string(200, 'a') + "/" + std::string(200, 'b') + ".gbc"},
};

// Indexed, so that the test names stay short.
class PathTest : public ::testing::TestWithParam<size_t> {};

// Paths reach the file system as the UTF-8 bytes they are.
TEST_P(PathTest, AnyNameOpensLoadsAndSaves) {
  TempDir dir;
  const auto file = dir.Root() / FilePath(kPathCases[GetParam()].relativePath);
  const std::string path = Utf8Text(file);
  std::filesystem::create_directories(file.parent_path());
  RomBuilder().WithEdition(Gold).WriteTo(file);
  const auto before = ReadFileBytes(file);
  RomItemEditor editor;
  ASSERT_EQ(editor.OpenRom(path).label, "Pokémon Gold Version");
  auto fields = *editor.LoadItem(2).fields;
  fields.Price = "1234";
  ASSERT_TRUE(editor.SaveItem(fields).saved());
  const auto changed = DifferingOffsets(before, ReadFileBytes(file));
  ASSERT_FALSE(changed.empty());
  EXPECT_EQ(changed.front(), static_cast<size_t>(RecordAddress(Gold.itemTableBase, 2)));
}

INSTANTIATE_TEST_SUITE_P(Names, PathTest, ::testing::Range<size_t>(0, std::size(kPathCases)),
                         [](const ::testing::TestParamInfo<size_t>& param) { return kPathCases[param.param].name; });

}  // namespace
