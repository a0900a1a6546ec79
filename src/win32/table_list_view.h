#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "table/item_table.h"
#include "table/row_order.h"

// The item table drawn by a ListView in report mode: one row per shown item,
// the table's columns, changed cells marked, a current cell within the
// focused row. The list asks for each text as it draws it, so a table of
// any size opens at once. It holds no item logic: what a cell shows comes
// from the ItemTable.
class TableListView {
 public:
  struct Cell {
    int row;
    TableColumn column;
  };

  TableListView(HWND parent, int id);
  ~TableListView();
  TableListView(const TableListView&) = delete;
  TableListView& operator=(const TableListView&) = delete;

  HWND Handle() const { return list_; }
  void SetFonts(HFONT normal, HFONT bold, UINT dpi);

  // Shows `items` of `table`, in that order. The current item stays current
  // if it is among them, and so do the selected ones.
  void Show(const ItemTable& table, std::vector<int> items);
  void ShowSortMark(std::optional<TableSort> sort);
  // Draws the rows again, after a change of their texts or marks.
  void Redraw() const;

  int RowCount() const { return static_cast<int>(items_.size()); }
  int ItemAt(int row) const { return items_[static_cast<size_t>(row)]; }
  // The focused row and the current column; no row when nothing is shown.
  std::optional<Cell> Current() const;
  // Makes the cell current, its row the one selected, and scrolls to it.
  void SetCurrent(Cell cell);
  // Makes `column` the current one, in the focused row; the selection stays.
  void SetCurrentColumn(TableColumn column);
  // Moves the current column by `step`, keeping the selection within the
  // row; Tab past the last column goes on to the next row's first, as in a
  // spreadsheet, and selects that row alone.
  void MoveColumn(int step, bool wrap);
  // The selected items in the order shown; the current one when none is.
  std::vector<int> SelectedItems() const;
  // The cell under a point of the list's client area.
  std::optional<Cell> CellAt(POINT point) const;
  RECT CellRect(Cell cell) const;

  // The list's notifications that are the view's to answer: its texts and
  // its drawing. Nothing for the others.
  std::optional<LRESULT> Notify(const NMHDR& header);

 private:
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) const;
  void DrawCurrentCell(const NMLVCUSTOMDRAW& draw) const;

  HWND list_;
  const ItemTable* table_ = nullptr;
  std::vector<int> items_;
  TableColumn column_ = TableColumn::Price;
  HFONT normal_ = nullptr;
  HFONT bold_ = nullptr;
  std::wstring shownText_;  // the text last handed to the list, which keeps only its address
};
