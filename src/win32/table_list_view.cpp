#include "win32/table_list_view.h"

#include <algorithm>
#include <cassert>
#include <set>

#include "table/cell_shade.h"
#include "win32/wide_text.h"

namespace {

constexpr int ColumnCount = static_cast<int>(TableColumns.size());
// Pixels at 96 dots per inch beside a column's text.
constexpr int ColumnPadding = 12;

int Index(TableColumn column) { return static_cast<int>(column); }

// A ListView's first column is always left-aligned.
bool AlignsRight(const TableColumnInfo& info) { return info.alignsRight && Index(info.column) > 0; }

int TextWidth(HDC context, std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(context, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

TableListView::TableListView(HWND parent, int id)
    : list_(CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0, 0,
                            0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                            nullptr)) {
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
  for (const TableColumnInfo& info : TableColumns) {
    std::wstring caption = Wide(info.caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = AlignsRight(info) ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.pszText = caption.data();
    column.iSubItem = Index(info.column);
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(Index(info.column)), reinterpret_cast<LPARAM>(&column));
  }
}

TableListView::~TableListView() {
  if (IsWindow(list_)) DestroyWindow(list_);
}

void TableListView::SetFonts(HFONT normal, HFONT bold, UINT dpi) {
  normal_ = normal;
  bold_ = bold;
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(normal), TRUE);
  // Widths in digits of the font, as the columns give them; measuring every
  // cell would cost more than the rest of the opening.
  HDC context = GetDC(list_);
  HGDIOBJ before = SelectObject(context, normal);
  const int digit = TextWidth(context, L"0");
  const int padding = MulDiv(ColumnPadding, static_cast<int>(dpi), 96);
  for (const TableColumnInfo& info : TableColumns) {
    const int width = std::max(info.characters * digit, TextWidth(context, Wide(info.caption))) + padding;
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(Index(info.column)), width);
  }
  SelectObject(context, before);
  ReleaseDC(list_, context);
}

void TableListView::Show(const ItemTable& table, std::vector<int> items) {
  const std::optional<Cell> current = Current();
  const int currentItem = current ? ItemAt(current->row) : 0;
  const std::vector<int> selected = current ? SelectedItems() : std::vector<int>();
  table_ = &table;
  items_ = std::move(items);
  SendMessageW(list_, LVM_SETITEMCOUNT, items_.size(), LVSICF_NOSCROLL);
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  for (int row = 0; row < RowCount(); ++row) {
    const bool isCurrent = ItemAt(row) == currentItem;
    if (!isCurrent && std::ranges::find(selected, ItemAt(row)) == selected.end()) continue;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | (isCurrent ? LVIS_FOCUSED : 0);
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
  }
  Redraw();
}

void TableListView::ShowSortMark(std::optional<TableSort> sort) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
  for (int column = 0; column < ColumnCount; ++column) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (sort && Index(sort->column) == column) item.fmt |= sort->ascending ? HDF_SORTUP : HDF_SORTDOWN;
    SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
  }
}

void TableListView::Redraw() const { InvalidateRect(list_, nullptr, FALSE); }

std::optional<TableListView::Cell> TableListView::Current() const {
  const auto row = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  if (row < 0 || row >= RowCount()) return std::nullopt;
  return Cell{row, column_};
}

void TableListView::SetCurrent(Cell cell) {
  assert(cell.row >= 0 && cell.row < RowCount());
  column_ = cell.column;
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  LVITEMW state{};
  state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(cell.row), reinterpret_cast<LPARAM>(&state));
  SendMessageW(list_, LVM_SETSELECTIONMARK, 0, cell.row);
  SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(cell.row), FALSE);
  Redraw();
}

void TableListView::MoveColumn(int step, bool wrap) {
  const std::optional<Cell> current = Current();
  if (!current) return;
  int row = current->row;
  int column = Index(current->column) + step;
  if (wrap && column >= ColumnCount && row + 1 < RowCount()) column = 0, ++row;
  if (wrap && column < 0 && row > 0) column = ColumnCount - 1, --row;
  const auto moved = static_cast<TableColumn>(std::clamp(column, 0, ColumnCount - 1));
  if (row == current->row) return SetCurrentColumn(moved);
  SetCurrent({row, moved});
}

void TableListView::SetCurrentColumn(TableColumn column) {
  column_ = column;
  Redraw();
}

std::vector<int> TableListView::SelectedItems() const {
  std::vector<int> items;
  for (auto row = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED); row >= 0;
       row = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED)) {
    items.push_back(ItemAt(static_cast<int>(row)));
  }
  if (items.empty()) {
    if (const std::optional<Cell> current = Current()) items.push_back(ItemAt(current->row));
  }
  return items;
}

std::optional<TableListView::Cell> TableListView::CellAt(POINT point) const {
  LVHITTESTINFO hit{};
  hit.pt = point;
  const auto row = SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (row < 0 || row >= RowCount() || hit.iSubItem < 0 || hit.iSubItem >= ColumnCount) return std::nullopt;
  return Cell{static_cast<int>(row), static_cast<TableColumn>(hit.iSubItem)};
}

RECT TableListView::CellRect(Cell cell) const {
  RECT rect{};
  rect.top = Index(cell.column);
  rect.left = LVIR_BOUNDS;
  SendMessageW(list_, LVM_GETSUBITEMRECT, static_cast<WPARAM>(cell.row), reinterpret_cast<LPARAM>(&rect));
  // The first column's bounds are the whole row's.
  if (cell.column == TableColumn::Number) {
    rect.right = rect.left + static_cast<int>(SendMessageW(list_, LVM_GETCOLUMNWIDTH, 0, 0));
  }
  return rect;
}

std::optional<LRESULT> TableListView::Notify(const NMHDR& header) {
  if (header.hwndFrom != list_ || table_ == nullptr) return std::nullopt;
  if (header.code == LVN_GETDISPINFOW) {
    LVITEMW& item = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)).item;
    if ((item.mask & LVIF_TEXT) != 0 && item.iItem >= 0 && item.iItem < RowCount()) {
      shownText_ = Wide(OneLine(table_->Text(ItemAt(item.iItem), static_cast<TableColumn>(item.iSubItem))));
      item.pszText = shownText_.data();
    }
    return 0;
  }
  if (header.code == NM_CUSTOMDRAW) {
    return CustomDraw(const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
  }
  return std::nullopt;
}

LRESULT TableListView::CustomDraw(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
      if (row >= RowCount()) return CDRF_DODEFAULT;
      const ItemTable::CellState state = table_->State(ItemAt(row), static_cast<TableColumn>(draw.iSubItem));
      const std::optional<CellShade> shade = ShadeOf(state);
      draw.clrTextBk = shade ? RGB(shade->red, shade->green, shade->blue) : CLR_DEFAULT;
      // Each cell chooses its font, or a bold one would carry on into the next.
      SelectObject(draw.nmcd.hdc, state == ItemTable::CellState::Unchanged ? normal_ : bold_);
      return CDRF_NEWFONT;
    }
    case CDDS_ITEMPOSTPAINT:
      DrawCurrentCell(draw);
      return CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

// A frame around the current cell, inside its focused row.
void TableListView::DrawCurrentCell(const NMLVCUSTOMDRAW& draw) const {
  const std::optional<Cell> current = Current();
  if (!current || current->row != static_cast<int>(draw.nmcd.dwItemSpec)) return;
  RECT cell = CellRect(*current);
  HBRUSH frame = GetSysColorBrush(COLOR_HOTLIGHT);
  for (int line = 0; line < 2; ++line) {
    FrameRect(draw.nmcd.hdc, &cell, frame);
    InflateRect(&cell, -1, -1);
  }
}
