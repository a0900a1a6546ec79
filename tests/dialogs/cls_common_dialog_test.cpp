#include "dialogs/cls_common_dialog.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "dialogs/running_instance.h"
#include "recording_platform_dialog.h"

using namespace std::string_literals;

namespace {

const std::string kOpenTitle = "Open Pokemon Gold, Silver, or Crystal ROM...";
constexpr intptr_t kOwner = 0x5A0F;

class CommonDialogTest : public ::testing::Test {
 protected:
  std::shared_ptr<RecordingPlatformDialog> platform = std::make_shared<RecordingPlatformDialog>();
  clsCommonDialog dialog{platform};

  // A ShowOpen that returns `path` with filter pair `filterIndex` selected.
  std::string OpenChoosing(const std::string& path, uint32_t filterIndex) {
    platform->Choose(path, filterIndex);
    return dialog.ShowOpen(kOwner, kOpenTitle);
  }
};

TEST_F(CommonDialogTest, TheEditorsOpenHandsOverTheWholeRecord) {
  EXPECT_EQ(dialog.ShowOpen(kOwner, kOpenTitle, "", "GBC ROMs (*.gbc)|*.gbc", 6148), "");

  OpenFileNameRecord expected;
  expected.lStructSize = 76;
  expected.hwndOwner = kOwner;
  expected.hInstance = RunningInstanceHandle();
  expected.lpstrFilter = "GBC ROMs (*.gbc)\0*.gbc\0"s;
  // Empty buffers, so that the dialog's file-name box starts empty.
  expected.lpstrFile = std::string(254, '\0');
  expected.nMaxFile = 255;
  expected.lpstrFileTitle = std::string(254, '\0');
  expected.nMaxFileTitle = 255;
  expected.lpstrInitialDir = "";
  expected.lpstrTitle = kOpenTitle;
  expected.Flags = 0x1804;
  EXPECT_FALSE(platform->calls.back().save);
  EXPECT_EQ(platform->Last(), expected);
  EXPECT_EQ(dialog.FilterIndex(), 0);
}

TEST_F(CommonDialogTest, OpenReturnsTheBufferUpToItsNulWithoutSurroundingSpaces) {
  const std::string longest = "/" + std::string(253, 'x');
  const std::pair<std::string, std::string> cases[] = {
      {"/roms/gold.gbc\0"s, "/roms/gold.gbc"},
      {"  /roms/a b.gbc  \0 /x"s, "/roms/a b.gbc"},
      {"\t/roms/c.gbc\t\0"s, "\t/roms/c.gbc\t"},
      {longest, longest},
      {"", ""},  // the dialog wrote nothing
      {"   \0"s, ""},
  };
  for (const auto& [written, path] : cases) {
    clsCommonDialog fresh(platform);
    platform->reply = [&written](OpenFileNameRecord& record) {
      record.lpstrFile->replace(0, written.size(), written);
      record.nFilterIndex = 1;
      return 1;
    };
    EXPECT_EQ(fresh.ShowOpen(kOwner, kOpenTitle), path);
    EXPECT_EQ(fresh.LastFileName(), path);
    EXPECT_EQ(fresh.FilterIndex(), path.empty() ? 0 : 1);
  }
}

TEST_F(CommonDialogTest, FailuresOtherThanACancelAreKeptUntilTheNextCall) {
  EXPECT_EQ(dialog.LastFailure(), DialogFailure::None);
  platform->failure = DialogFailure::PathTooLong;
  EXPECT_EQ(dialog.ShowOpen(kOwner, kOpenTitle), "");
  EXPECT_EQ(dialog.LastFailure(), DialogFailure::PathTooLong);
  EXPECT_EQ(OpenChoosing("/roms/gold.gbc", 1), "/roms/gold.gbc");
  EXPECT_EQ(dialog.LastFailure(), DialogFailure::None);
}

TEST_F(CommonDialogTest, OpenStartsAtTheLastOpenedPathAndHandsTheFilterIndexOn) {
  ASSERT_EQ(OpenChoosing("/roms/gold.gbc", 2), "/roms/gold.gbc");
  EXPECT_EQ(dialog.FilterIndex(), 2);

  platform->reply = [](OpenFileNameRecord& record) {
    record.nFilterIndex = 3;
    return 0;
  };
  EXPECT_EQ(dialog.ShowOpen(kOwner, kOpenTitle), "");
  EXPECT_EQ(platform->Last().lpstrInitialDir, "/roms/gold.gbc");
  EXPECT_EQ(platform->Last().nFilterIndex, 2u);
  EXPECT_EQ(dialog.FilterIndex(), 2);
  EXPECT_EQ(dialog.LastFileName(), "/roms/gold.gbc");

  dialog.ShowOpen(kOwner, kOpenTitle, "/home/ash");
  EXPECT_EQ(platform->Last().lpstrInitialDir, "/home/ash");
  EXPECT_EQ(platform->Last().nFilterIndex, 3u);
}

TEST_F(CommonDialogTest, SaveProposesFileNamesOfUpTo128Characters) {
  for (size_t length : {127u, 128u}) {
    const std::string name(length, 'n');
    dialog.ShowSave(kOwner, "Save", name);
    EXPECT_EQ(platform->Last().lpstrFile, name + std::string(128 - length, '\0')) << length;
    EXPECT_EQ(platform->Last().nMaxFile, 128u);
  }
  const OpenFileNameRecord before = dialog.DialogRecord();
  EXPECT_THROW(dialog.ShowSave(kOwner, "Save", std::string(129, 'n')), std::invalid_argument);
  EXPECT_EQ(platform->calls.size(), 2u);
  EXPECT_EQ(dialog.DialogRecord(), before);
}

TEST_F(CommonDialogTest, SaveRemembersOnlyTheFilterIndexAndItsExtensionStays) {
  OpenChoosing("/roms/gold.gbc", 1);
  platform->Choose(" /saves/a .gpl", 2);
  EXPECT_EQ(dialog.ShowSave(kOwner, "Save", "a.gpl"), " /saves/a .gpl");
  EXPECT_TRUE(platform->calls.back().save);
  EXPECT_EQ(platform->Last().lpstrInitialDir, "");
  EXPECT_EQ(platform->Last().lpstrDefExt, ".gpl");
  EXPECT_EQ(platform->Last().lpstrFileTitle, std::string(254, '\0'));
  EXPECT_EQ(dialog.FilterIndex(), 2);
  EXPECT_EQ(dialog.LastFileName(), "/roms/gold.gbc");

  dialog.ShowOpen(kOwner, kOpenTitle);
  EXPECT_EQ(platform->Last().lpstrDefExt, ".gpl");
  EXPECT_EQ(platform->Last().lpstrInitialDir, "/roms/gold.gbc");
}

}  // namespace
