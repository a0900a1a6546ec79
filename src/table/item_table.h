#pragma once

#include <cstdint>
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
#include "items/item_encoding.h"
#include "items/refusal.h"
#include "table/table_columns.h"
#include "table/text_room_base.h"

// Every item of one ROM at once, with the user's edits pending on top of the
// file. A cell takes what the main window's field takes, and a name or
// description what the game's text has room to show; a text it refuses is
// kept as typed, with the reason, until it is replaced.
//
// Each pending edit remembers what the file held where it was made. Save
// reads the file again and writes the edits into it as it now is, so that
// other programs' changes to other fields stay, but writes nothing when any
// edited field (or the room of an edited text) changed in the file since it
// was edited: one writer never undoes another's change unseen.
//
// Reading throws a Refused (items/refusal.h) when the file cannot be read,
// holds no supported ROM, or, when read again, holds another edition than
// the table shows.
class ItemTable {
 public:
  enum class CellState { Unchanged, Changed, Refused };

  explicit ItemTable(std::string path);

  const std::string& Path() const { return path_; }
  const Edition& RomEdition() const { return session_->RomEdition(); }
  ItemNameViews Names() const { return session_->Names(); }
  ItemNameViews Spellings() const { return session_->Spellings(); }
  // The names of the ROM's item-use routines, where they can be trusted.
  const RoutineNames& Routines() const { return session_->Routines(); }

  // Whether the columns that name their values show the bytes instead.
  bool ShowsBytes() const { return showBytes_; }
  void ShowBytes(bool on) { showBytes_ = on; }

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
  // What the field holds: its edit or the file's value; none for a pointer that is none.
  std::optional<uint16_t> Value(int item, Field field) const;
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
  // TextRefusal accepts, as one step of the history.
  void Apply(const ImportFile& file);

  bool HasEdits() const { return !pending_.Empty(); }
  // How many items have a pending edit or a refused cell.
  size_t EditedItemCount() const;

  // Each Commit or Apply that changes what is pending is one step back.
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  bool Undo();
  bool Redo();

  struct SaveResult {
    enum class Kind { Saved, NothingToSave, Refused } kind = Kind::Saved;
    ::Refusal refusal;  // why nothing was saved
  };
  // Writes every pending edit, or nothing. A refused cell, a text without
  // room, or a field changed in the file since it was edited stops it; the
  // cells it has not edited then show the file as it now is.
  SaveResult Save();
  // Reads the file again and drops every edit; throws, and keeps them, when
  // the file no longer holds the ROM that the table shows.
  void Revert();
  // Drops every edit without reading the file.
  void DropEdits();
  // Shows the file as it now is, after a Save elsewhere, under the edits,
  // which keep what they were made on; throws as Revert does.
  void Reread();
  // Names the routines from the symbol file at `path` from now on, reading
  // the file again as Reread does. When the file is not used, nothing
  // changes and the answer says why (RoutineNames::SymbolFileNote).
  std::optional<std::string> UseSymbols(const std::string& path);

 private:
  using Cell = std::pair<int, TableColumn>;
  using FieldCell = std::pair<int, Field>;
  struct Refused {
    std::string text, reason;
    friend bool operator==(const Refused&, const Refused&) = default;
  };
  struct FieldEdit {
    uint16_t value;
    uint16_t base;  // the file's value when the field was first edited
    friend bool operator==(const FieldEdit&, const FieldEdit&) = default;
  };
  // What is pending, as one value, so that a step of the history is a copy.
  struct Pending {
    std::map<FieldCell, FieldEdit> fields;
    std::map<Cell, std::string> texts;  // the names and descriptions that differ from the file's
    std::map<Cell, Refused> refused;
    // The rooms as they were when their first pending text was typed.
    std::optional<TextRoomBase> nameBase, descriptionBase;

    bool Empty() const { return fields.empty() && texts.empty() && refused.empty(); }
    friend bool operator==(const Pending&, const Pending&) = default;
  };

  std::unique_ptr<RomSession> ReadAgain(const std::optional<std::string>& symbols) const;
  std::unique_ptr<RomSession> ReadAgain() const { return ReadAgain(symbols_); }
  void Adopt(std::unique_ptr<RomSession> session);
  ParsedField CellValue(int item, TableColumn column, const std::string& text) const;
  void Put(int item, Field field, uint16_t value);
  void PutText(int item, TableColumn column, const std::string& text);
  void KeepTextBases();
  void Record(const Pending& before);
  bool StepBack(std::vector<Pending>& from, std::vector<Pending>& to);
  // The item's name as the ROM spells it, or its description, when the file holds one.
  std::optional<std::string> FileText(int item, TableColumn column) const;
  std::vector<ItemTextEdit> TextEdits() const;
  // The edited cells whose file value is no longer what they were made on.
  std::vector<std::string> Conflicts(const RomSession& now) const;
  std::optional<::Refusal> WriteInto(RomSession& now) const;

  std::string path_;
  std::optional<std::string> symbols_;  // the symbol file chosen; else the one beside the ROM
  std::unique_ptr<RomSession> session_;
  std::vector<ItemRecord> read_;  // by item number, as the file held them
  Pending pending_;
  std::vector<Pending> undo_, redo_;
  bool showBytes_ = false;
};
