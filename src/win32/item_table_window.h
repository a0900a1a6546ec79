#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/window_calls.h"
#include "table/item_table.h"
#include "table/row_order.h"
#include "table/table_commands.h"
#include "win32/cell_editor.h"
#include "win32/owned_window.h"
#include "win32/save_prompt.h"
#include "win32/table_list_view.h"

// "Item Table - FILE": every item of the open ROM at once, edited in place
// in a ListView. Edits stay pending until Save writes the bytes that
// changed; closing with edits pending asks first. The window holds no item
// logic: its ItemTable and the table's commands decide, and the window
// shows what they say.
class ItemTableWindow final : private OwnedWindow {
 public:
  // Reads the ROM at `path` and shows the window on item 1's Price; throws
  // a Refused when the ROM cannot be read.
  ItemTableWindow(const std::string& path, DialogSource dialogs, MessageSink<HWND> showMessage, SavePrompt askToSave);
  ~ItemTableWindow();
  ItemTableWindow(const ItemTableWindow&) = delete;
  ItemTableWindow& operator=(const ItemTableWindow&) = delete;

  bool IsOpen() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  HWND List() const { return list_->Handle(); }
  HWND Filter() const { return filter_; }
  // The open cell editor's control, or none.
  HWND EditorControl() const { return editor_ ? editor_->Control() : nullptr; }
  HACCEL Accelerators() const { return accelerators_; }
  const ItemTable& Table() const { return *table_; }
  const TableListView& View() const { return *list_; }
  std::string StatusText() const;
  // The command identifier of a menu entry, as the menu and its shortcut send it.
  static int CommandId(std::string_view entry);

  // Commits the cell being edited, then settles pending edits as the user
  // chooses; false when the user cancels or the Save fails, and the edits stay.
  bool Settle();
  // Closes the window once pending edits are settled; false when they stay.
  bool Close();
  // Shows the ROM at `path` instead; throws a Refused when it cannot be read.
  void ShowRom(const std::string& path);
  // The main window saved into the file: the file as it is now is the
  // starting point, under the edits still pending.
  void FileSaved();
  void Activate() const;

 private:
  static LRESULT CALLBACK ListKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::optional<LRESULT> OnListKey(UINT message, WPARAM wParam);
  LRESULT OnNotify(const NMHDR& header);
  void Command(int id, int notification);
  void CreateControls();
  void CreateMenus();
  void UseFonts(UINT dpi);
  void Layout();

  // Orders the rows again, by the filter and the sort; only these choose
  // the order, so that a row never moves away from under an edit.
  void ShowRows();
  // Draws what the table holds now, in the order shown.
  void ShowChanges();
  void UpdateTitle();
  void SetStatus(std::string_view text) const;
  void BeginEdit(std::optional<wchar_t> typed);
  void EndEdit(EditEnd end);
  // Commits the cell being edited; false, with the reason shown, when its text is refused.
  bool CommitEdit();
  void Commit(int item, TableColumn column, const std::string& text);
  void SortBy(TableColumn column);
  void ShowTip(POINT point);

  // Shows what a command of the core said; whether it was done.
  bool ShowOutcome(const CommandOutcome& outcome);
  bool OnSave();
  void OnRevert();
  // The file the user picks in an Open dialog, after the cell being typed is
  // committed; empty when either is cancelled or refused. It starts in
  // `folder`, or where the last one left off.
  std::string ChooseFileToRead(std::string_view title, std::string_view filter, const std::string& folder = {});
  void OnImport();
  void OnExport();
  void OnSymbols();
  void OnCopy();
  void OnPaste();
  void OnUndo();
  void OnRedo();
  void OnFind();
  void OnShowBytes();
  PasteTarget Target() const;

  DialogSource dialogs_;
  MessageSink<HWND> showMessage_;
  SavePrompt askToSave_;
  std::unique_ptr<ItemTable> table_;
  HWND filterLabel_ = nullptr;
  HWND filter_ = nullptr;
  HWND status_ = nullptr;
  HWND tip_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  std::unique_ptr<TableListView> list_;
  std::unique_ptr<CellEditor> editor_;
  struct EditedCell {
    int item;
    TableColumn column;
  } edited_{};
  std::optional<TableSort> sort_;
  std::vector<int> shown_;  // the items of the rows, in their order
  std::optional<TableListView::Cell> tipCell_;
  std::wstring tipText_;
};
