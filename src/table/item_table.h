#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "exchange/item_import.h"
#include "exchange/item_values.h"
#include "exchange/rom_session.h"
#include "table/table_columns.h"

// Every item of one ROM at once, with the user's edits pending on top of the
// file as it was read. A cell takes what the main window's field takes, and
// a name or description what the game's text has room to show; a text it
// refuses is kept as typed, with the reason, until it is replaced. Save
// checks every edited item and text, then writes only the bytes that
// changed, and nothing when a text does not fit its room or the file
// changed since it was read.
//
// Reading throws a CliError when the file cannot be read or holds no
// supported ROM.
class ItemTable {
 public:
  enum class CellState { Unchanged, Changed, Refused };

  explicit ItemTable(std::string path);

  const std::string& Path() const { return path_; }
  const Edition& RomEdition() const { return session_->RomEdition(); }
  ItemNameViews Names() const { return session_->Names(); }
  ItemNameViews Spellings() const { return session_->Spellings(); }

  // Item 1 to 255. What the cell shows: a refused text as typed, an edit,
  // or the file's value, as the main window shows it. A description's line
  // break is a newline.
  std::string Text(int item, TableColumn column) const;
  // What an editor of the cell starts from: Text, except that a name the
  // user has not edited is spelled as the ROM spells it, as a Save writes it.
  std::string EditText(int item, TableColumn column) const;
  // The value to sort by, for the columns of numbers: the number, a hex
  // field's value, the pocket byte; -1 for an empty or refused cell.
  int SortValue(int item, TableColumn column) const;
  CellState State(int item, TableColumn column) const;
  // Why the cell's text was refused, in the main window's words; empty otherwise.
  std::string Refusal(int item, TableColumn column) const;
  bool Editable(int item, TableColumn column) const;

  // Takes the text into an editable cell; the reason when it is refused. A
  // description's line break is a newline or the two characters \n.
  std::optional<std::string> Commit(int item, TableColumn column, const std::string& text);
  // Why `text` cannot be the item's name or description by the rules of
  // one text, in the editor's words; nothing when it can. Whether all the
  // texts fit their room is known at Save.
  std::optional<std::string> TextRefusal(int item, TableColumn column, const std::string& text) const;
  // Takes the rows of an import that its rules accepted, with texts that
  // TextRefusal accepts.
  void Apply(const ImportFile& file);

  bool HasEdits() const { return !edits_.empty() || !texts_.empty() || !refused_.empty(); }
  // Why nothing or not everything was written; empty when all was saved.
  std::optional<std::string> Save();
  // Reads the file again and drops every edit.
  void Revert();
  // Reads the file again as it now is, after a Save elsewhere, and keeps
  // the edits that still differ from it.
  void Reread();

 private:
  using Cell = std::pair<int, TableColumn>;
  using FieldCell = std::pair<int, Field>;
  struct Refused {
    std::string text, reason;
  };

  void Read();
  std::optional<std::string> CellProblem(int item, Field field, const std::string& text) const;
  void Put(int item, Field field, const std::string& text);
  void PutText(int item, TableColumn column, const std::string& text);
  // The item's name as the ROM spells it, or its description, when the file holds one.
  std::optional<std::string> FileText(int item, TableColumn column) const;
  std::vector<ItemTextEdit> TextEdits() const;
  const std::string& Value(int item, Field field) const;
  ItemFields CurrentFields(int item) const;
  std::set<int> EditedItems() const;

  std::string path_;
  std::unique_ptr<RomSession> session_;
  std::vector<ItemValues> read_;            // by item number, as the file held them
  std::map<FieldCell, std::string> edits_;  // the stored texts that differ from read_
  std::map<Cell, std::string> texts_;       // the names and descriptions that differ from the file's
  std::map<Cell, Refused> refused_;
  // Items stored into the session by a Save that did not reach the file,
  // which the next Save stores again, edited or not.
  std::set<int> stored_;
};
