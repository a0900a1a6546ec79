#include "items/editor_problem.h"

#include <gtest/gtest.h>

#include "items/refusal.h"

namespace {

// The one place where the editor's messages are worded.
TEST(EditorProblem, Wording) {
  ProblemDetails details;
  details.path = "rom.gbc";
  details.item = 1;
  details.itemName = "Master Ball";
  details.loadedEdition = "Pokémon Gold Version";
  details.openEdition = "Pokémon Crystal Version";
  details.field = "Price: enter a whole number from -32768 to 65535.";
  details.changedFields = "Price and Effect";
  details.written = 3;
  details.expected = 9;
  ProblemDetails saving = details;
  saving.saving = true;
  ProblemDetails noItemTable = details;
  noItemTable.itemTable = TableMiss::CodeChanged;
  ProblemDetails noTables = noItemTable;
  noTables.pointerTable = TableMiss::CodeChanged;
  ProblemDetails pointerCodeTwice = details;
  pointerCodeTwice.pointerTable = TableMiss::CodeRepeated;
  ProblemDetails itemCodeTwice = noTables;
  itemCodeTwice.itemTable = TableMiss::CodeRepeated;
  ProblemDetails cut = details;
  cut.headerSize = 2 * 1024 * 1024;
  cut.size = 1'000'000;
  ProblemDetails cutSmall = cut;
  cutSmall.headerSize = 512 * 1024;
  cutSmall.size = 300'000;
  ProblemDetails denied = details;
  denied.cause = std::make_error_code(std::errc::permission_denied);

  const struct {
    EditorProblem problem;
    const ProblemDetails& details;
    const char* message;
  } cases[] = {
      {EditorProblem::None, details, ""},
      {EditorProblem::ItemZero, details, "Cannot load Item 0"},
      {EditorProblem::NoItemChosen, details, "Choose an item to load."},
      {EditorProblem::NoRomOpen, details, "Open a Pokémon Gold, Silver or Crystal ROM before loading an item."},
      {EditorProblem::NothingLoaded, details, "Load an item before saving."},
      {EditorProblem::Unsupported, details, "Cannot save: the open file is not a supported ROM."},
      {EditorProblem::OtherEdition, details,
       "Cannot save: Master Ball was loaded from Pokémon Gold Version, but the open ROM is Pokémon Crystal Version. "
       "Load the item from this ROM first."},
      {EditorProblem::ChangedSinceLoad, details,
       "Cannot save: Master Ball has changed in \"rom.gbc\" since it was loaded (Price and Effect), by another "
       "program or window. Nothing was written: load the item again, then make your change."},
      {EditorProblem::BadField, details, "Price: enter a whole number from -32768 to 65535."},
      {EditorProblem::CannotRead, denied, "Cannot read \"rom.gbc\": Permission denied."},
      {EditorProblem::CannotRead, details, "Cannot read \"rom.gbc\": the file cannot be read."},
      {EditorProblem::CannotWrite, saving, "Cannot save to \"rom.gbc\": the file cannot be opened for writing."},
      {EditorProblem::TablesNotFound, noItemTable,
       "Kestrune cannot find the item table in this ROM: the game's code that reads it has been changed. Nothing was "
       "read or written."},
      {EditorProblem::TablesNotFound, noTables,
       "Kestrune cannot find the item table and the ASM pointer table in this ROM: the game's code that reads "
       "them has been changed. Nothing was read or written."},
      {EditorProblem::TablesNotFound, pointerCodeTwice,
       "Kestrune cannot find the ASM pointer table in this ROM: the game's code that reads it occurs more than once, "
       "and Kestrune cannot tell which copy the game runs. Nothing was read or written."},
      {EditorProblem::TablesNotFound, itemCodeTwice,
       "Kestrune cannot find the item table and the ASM pointer table in this ROM: the game's code that reads the "
       "item table occurs more than once, and Kestrune cannot tell which copy the game runs; the game's code that "
       "reads the ASM pointer table has been changed. Nothing was read or written."},
      {EditorProblem::CutShort, cut,
       "\"rom.gbc\" is cut short: its header gives a ROM of 2 MiB (2097152 bytes), but the file holds 1000000 bytes. "
       "Nothing was read or written."},
      {EditorProblem::CutShort, cutSmall,
       "\"rom.gbc\" is cut short: its header gives a ROM of 512 KiB (524288 bytes), but the file holds 300000 "
       "bytes. Nothing was read or written."},
      {EditorProblem::TablesMoved, saving,
       "Cannot save to \"rom.gbc\": the file has changed since it was opened, and its item tables are no longer where "
       "they were. Open it again."},
      {EditorProblem::Replaced, details,
       "Cannot read \"rom.gbc\": it is no longer the Pokémon Crystal Version file that was opened."},
      {EditorProblem::PartWritten, saving,
       "Cannot save to \"rom.gbc\": only 3 of the item's 9 bytes were written; the item may now be partly changed."},
  };
  for (const auto& c : cases) EXPECT_EQ(DescribeProblem(c.problem, c.details), c.message);
}

// A refusal is worded once, as it is thrown; its kind tells the tool's exit
// status apart: a file that could not be read or written, or what was given.
TEST(Refusal, IsWordedOnceAndTellsFileProblemsApart) {
  const Refused refused(EditorProblem::NotAFile, FileDetails("rom.gbc"));
  EXPECT_STREQ(refused.what(), "Cannot read \"rom.gbc\": it is not a file.");
  EXPECT_EQ(Words(refused.Why()), refused.what());
  for (EditorProblem problem : {EditorProblem::CannotRead, EditorProblem::CannotWrite, EditorProblem::PartWritten,
                                EditorProblem::NotAFile, EditorProblem::CannotWriteFile,
                                EditorProblem::ChangedWhileEditing, EditorProblem::ReportLost}) {
    EXPECT_EQ(KindOf({problem, {}}), RefusalKind::File) << static_cast<int>(problem);
  }
  for (EditorProblem problem : {EditorProblem::TablesNotFound, EditorProblem::TooLarge, EditorProblem::BadCsvLine,
                                EditorProblem::OutputIsInput, EditorProblem::NoSuchItem, EditorProblem::CellRefused}) {
    EXPECT_EQ(KindOf({problem, {}}), RefusalKind::Input) << static_cast<int>(problem);
  }
}

}  // namespace
