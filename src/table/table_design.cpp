#include "table/table_design.h"

#include <filesystem>
#include <system_error>

#include "rom_io/file_path.h"
#include "table/table_texts.h"

namespace {

constexpr MenuEntry FileEntries[] = {
    {"Import", "Import…"}, {"Export", "Export…"}, {}, {"Symbols", "Symbols…"}, {},
    {"Save", "Save", 'S'}, {"Revert", "Revert"}, {}, {"Close", "Close", 'W'},
};
constexpr MenuEntry EditEntries[] = {
    {"Undo", "Undo", 'Z'},   {"Redo", "Redo", 'Y', {'Z', true}}, {}, {"Copy", "Copy", 'C'}, {"Paste", "Paste", 'V'},
    {"Find", "Filter", 'F'},
};
constexpr MenuEntry ViewEntries[] = {{"ShowBytes", "Show Bytes"}};
constexpr MenuDescription Menus[] = {
    {"File", "File", FileEntries}, {"Edit", "Edit", EditEntries}, {"View", "View", ViewEntries}};

}  // namespace

std::span<const MenuDescription> TableMenus() { return Menus; }

bool EntryEnabled(const ItemTable& table, std::string_view entry) {
  if (entry == "Undo") return table.CanUndo();
  if (entry == "Redo") return table.CanRedo();
  return true;
}

std::optional<bool> EntryChecked(const ItemTable& table, std::string_view entry) {
  if (entry == "ShowBytes") return table.ShowsBytes();
  return std::nullopt;
}

std::string SymbolsDialogFolder(const ItemTable& table) {
  std::error_code error;
  const std::filesystem::path rom = std::filesystem::absolute(FilePath(table.Path()), error);
  return error ? std::string() : Utf8Text(rom.parent_path());
}

std::optional<TableQuestion> QuestionBefore(const ItemTable& table, std::string_view entry) {
  if (!table.HasEdits()) return std::nullopt;
  if (entry == "Close") return TableQuestion{UnsavedEditsQuestion(table), true};
  if (entry == "Revert") return TableQuestion{RevertQuestion(table), false};
  return std::nullopt;
}
