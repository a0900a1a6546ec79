#include "table/table_texts.h"

#include "rom_io/file_path.h"

namespace {

std::string FileName(const ItemTable& table) { return Utf8Text(FilePath(table.Path()).filename()); }

}  // namespace

std::string TableTitle(const ItemTable& table) { return "Item Table - " + FileName(table); }

std::string UnsavedEditsQuestion(const ItemTable& table) {
  return "The item table holds changes to " + FileName(table) + " that are not saved. Save them?";
}

std::string ProblemsMessage(const std::vector<std::string>& problems, std::string_view whatNot) {
  std::string text;
  for (const std::string& problem : problems) text += problem + "\n";
  return text + std::string(whatNot);
}
