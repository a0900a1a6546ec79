#include "rom_io/file_replacement.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "rom_builder.h"
#include "rom_io/file_path.h"
#include "rom_io/rom_file.h"

namespace {

std::error_code WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  WriteFileBytes(path, bytes);
  return {};
}

size_t FilesIn(const TempDir& dir) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.Root()), {}));
}

TEST(FileReplacement, AFailureLeavesTheTargetAsItWasAndNoTemporaryFile) {
  TempDir dir;
  const auto target = dir.Path("out.csv");
  WriteFileBytes(target, {1, 2, 3});
  for (bool startFromCopy : {false, true}) {
    const auto error = ReplaceFile(target, startFromCopy, [](const std::filesystem::path& temporary) {
      WriteFileBytes(temporary, {9, 9});
      return std::make_error_code(std::errc::no_space_on_device);
    });
    EXPECT_EQ(error, std::errc::no_space_on_device);
    EXPECT_EQ(ReadFileBytes(target), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(FilesIn(dir), 1u);
  }
}

TEST(FileReplacement, ReplacesTheFileALinkNamesAndKeepsTheLink) {
  TempDir dir;
  const auto target = dir.Path("rom.gbc");
  WriteFileBytes(target, {1, 2, 3});
  std::error_code noLinks;
  std::filesystem::create_symlink(target, dir.Path("link.gbc"), noLinks);
  if (noLinks) GTEST_SKIP() << "no symbolic links here: " << noLinks.message();
  const auto error = ReplaceFile(dir.Path("link.gbc"), true, [](const std::filesystem::path& temporary) {
    EXPECT_EQ(ReadFileBytes(temporary), (std::vector<uint8_t>{1, 2, 3}));
    return WriteBytes(temporary, {4, 5});
  });
  EXPECT_FALSE(error) << error.message();
  EXPECT_EQ(ReadFileBytes(target), (std::vector<uint8_t>{4, 5}));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.gbc")));
  EXPECT_EQ(FilesIn(dir), 2u);
}

TEST(FileReplacement, CreatesANewFileAndNamesTheReasonItCannot) {
  TempDir dir;
  EXPECT_FALSE(
      ReplaceFile(dir.Path("new.csv"), false, [](const auto& temporary) { return WriteBytes(temporary, {7}); }));
  EXPECT_EQ(ReadFileBytes(dir.Path("new.csv")), std::vector<uint8_t>{7});
  const auto missing = ReplaceFile(dir.Path("no/folder.csv"), false, [](const auto&) { return std::error_code{}; });
  EXPECT_EQ(missing, std::errc::no_such_file_or_directory);
}

// The temporary file's name is taken only if no file has it.
TEST(FileReplacement, ANewFileIsCreatedOnlyUnderAFreeName) {
  TempDir dir;
  const auto path = dir.Root() / FilePath("été.tmp");
  ASSERT_TRUE(CreateNewFile(path));
  EXPECT_EQ(ReadFileBytes(path), std::vector<uint8_t>{});
  WriteFileBytes(path, {1, 2});
  errno = 0;
  EXPECT_FALSE(CreateNewFile(path));
  EXPECT_EQ(errno, EEXIST);
  EXPECT_EQ(ReadFileBytes(path), (std::vector<uint8_t>{1, 2}));
}

TEST(FileReplacement, AReadOnlyFileStaysAsItIs) {
  TempDir dir;
  const auto target = dir.Path("out.csv");
  WriteFileBytes(target, {1});
  std::filesystem::permissions(target, std::filesystem::perms::owner_read);
  if (OpensForWriting(target.string())) GTEST_SKIP() << "running with rights that ignore file modes";
  EXPECT_EQ(ReplaceFile(target, false, [](const auto& temporary) { return WriteBytes(temporary, {2}); }),
            std::errc::permission_denied);
  EXPECT_EQ(ReadFileBytes(target), std::vector<uint8_t>{1});
}

}  // namespace
