#include "table/table_commands.h"

#include "items/refusal.h"
#include "items/wording.h"
#include "table/table_texts.h"

namespace {

CommandOutcome NotDone(std::string message, std::string_view status) {
  return {false, std::string(status), std::move(message)};
}

CommandOutcome Done(std::string_view status) { return {true, std::string(status), std::nullopt}; }

CommandOutcome Applied(const std::vector<std::string>& problems, std::string_view done, std::string_view whatNot) {
  if (problems.empty()) return Done(done);
  return NotDone(ProblemsMessage(problems, whatNot), whatNot);
}

}  // namespace

CommandOutcome SaveCommand(ItemTable& table) {
  ItemTable::SaveResult result = table.Save();
  switch (result.kind) {
    case ItemTable::SaveResult::Kind::Saved:
      return Done(TableSaved);
    case ItemTable::SaveResult::Kind::NothingToSave:
      return Done(NothingToSave);
    case ItemTable::SaveResult::Kind::Refused:
      break;
  }
  const std::string words = Words(result.refusal);
  return {false, words, words};
}

CommandOutcome RevertCommand(ItemTable& table) {
  try {
    table.Revert();
  } catch (const Refused& refused) {
    return NotDone(refused.what(), NothingReverted);
  }
  return Done(TableReverted);
}

CommandOutcome DiscardCommand(ItemTable& table) {
  table.DropEdits();
  return Done(EditsDropped);
}

CommandOutcome RereadCommand(ItemTable& table) {
  try {
    table.Reread();
  } catch (const Refused& refused) {
    return {false, refused.what(), std::nullopt};
  }
  return {true, {}, std::nullopt};
}

CommandOutcome PasteCommand(ItemTable& table, const std::string& text, const PasteTarget& target) {
  return Applied(PasteRows(table, text, target), TablePasted, NothingPasted);
}

CommandOutcome ImportCommand(ItemTable& table, const std::string& path) {
  return Applied(ImportFromFile(table, path), TableImported, NothingImported);
}

CommandOutcome ExportCommand(const ItemTable& table, const std::string& path) {
  try {
    ExportToFile(table, path);
  } catch (const Refused& refused) {
    return NotDone(refused.what(), NothingExported);
  }
  return Done(ExportedMessage(table));
}

CommandOutcome SymbolsCommand(ItemTable& table, const std::string& path) {
  try {
    if (const std::optional<std::string> unused = table.UseSymbols(path)) return NotDone(Sentence(*unused), NoSymbols);
  } catch (const Refused& refused) {
    return NotDone(refused.what(), NoSymbols);
  }
  return Done(Sentence("routine names from " + table.Routines().SourceText()));
}

CommandOutcome UndoCommand(ItemTable& table) { return Done(table.Undo() ? TableUndone : NothingToUndo); }

CommandOutcome RedoCommand(ItemTable& table) { return Done(table.Redo() ? TableRedone : NothingToRedo); }
