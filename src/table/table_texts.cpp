#include "table/table_texts.h"

#include "items/wording.h"
#include "rom_io/file_path.h"

namespace {

std::string FileName(const ItemTable& table) { return Utf8Text(FilePath(table.Path()).filename()); }

}  // namespace

std::string TableTitle(const ItemTable& table) { return "Item Table - " + FileName(table); }

std::string UnsavedEditsQuestion(const ItemTable& table) {
  return "The item table holds changes to " + FileName(table) + " that are not saved. Save them?";
}

namespace {

std::string ChangesTo(const ItemTable& table) {
  return "the changes to " + Counted(table.EditedItemCount(), "item", "items");
}

}  // namespace

std::string RevertQuestion(const ItemTable& table) {
  return "Drop " + ChangesTo(table) + " and read " + FileName(table) + " again?";
}

std::string ExportedMessage(const ItemTable& table) {
  if (!table.HasEdits()) return "Exported.";
  return "Exported what the file holds: " + ChangesTo(table) + " are not saved, so they are not in the export.";
}

std::string ProblemsMessage(const std::vector<std::string>& problems, std::string_view whatNot) {
  std::string text;
  for (const std::string& problem : problems) text += problem + "\n";
  return text + std::string(whatNot);
}
