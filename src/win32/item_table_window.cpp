#include "win32/item_table_window.h"

#include <commctrl.h>

#include "dialogs/cls_common_dialog.h"
#include "table/cell_tip.h"
#include "table/named_cells.h"
#include "table/table_design.h"
#include "table/table_texts.h"
#include "table/table_transfer.h"
#include "win32/clipboard_text.h"
#include "win32/common_controls.h"
#include "win32/menu_bar.h"
#include "win32/program_windows.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t ClassName[] = L"KestruneItemTable";
constexpr int FirstCommandId = 100;
constexpr int ListId = 1000;
constexpr int FilterId = 1001;
constexpr UINT_PTR ListSubclassId = 1;
// Pixels at 96 dots per inch.
constexpr int Margin = 6;
constexpr int FilterWidth = 220;
constexpr int TipWidth = 400;

int Scaled(int pixels, UINT dpi) { return MulDiv(pixels, static_cast<int>(dpi), 96); }

bool IsTextBox(HWND window) {
  wchar_t name[16]{};
  GetClassNameW(window, name, 16);
  return lstrcmpiW(name, WC_EDITW) == 0;
}

}  // namespace

int ItemTableWindow::CommandId(std::string_view entry) { return MenuCommandId(TableMenus(), FirstCommandId, entry); }

ItemTableWindow::ItemTableWindow(const std::string& path, DialogSource dialogs, MessageSink<HWND> showMessage,
                                 SavePrompt askToSave)
    : dialogs_(std::move(dialogs)),
      showMessage_(std::move(showMessage)),
      askToSave_(std::move(askToSave)),
      table_(std::make_unique<ItemTable>(path)) {
  UseListControls();
  static const bool registered = (RegisterProgramWindowClass(ClassName, &OwnedWindow::Procedure), true);
  (void)registered;
  window_ =
      CreateWindowExW(0, ClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), CreationParameter());
  CreateMenus();
  CreateControls();
  const UINT dpi = GetDpiForWindow(window_);
  UseFonts(dpi);
  SetWindowPos(window_, nullptr, 0, 0, Scaled(TableWindowWidth, dpi), Scaled(TableWindowHeight, dpi),
               SWP_NOMOVE | SWP_NOZORDER);
  ShowRows();
  list_->SetCurrent({0, TableColumn::Price});
  UpdateTitle();
  ShowWindow(window_, SW_SHOWNORMAL);
  SetFocus(List());
}

ItemTableWindow::~ItemTableWindow() {
  editor_.reset();
  if (IsWindow(window_)) DestroyWindow(window_);
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  if (font_ != nullptr) DeleteObject(font_);
  if (boldFont_ != nullptr) DeleteObject(boldFont_);
}

void ItemTableWindow::CreateMenus() {
  HMENU bar = CreateMenu();
  std::vector<ACCEL> shortcuts;
  for (const MenuDescription& menu : TableMenus()) AppendMenuOf(bar, TableMenus(), menu, FirstCommandId, shortcuts);
  SetMenu(window_, bar);
  accelerators_ = CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
  SetWindowAccelerators(window_, accelerators_);
}

void ItemTableWindow::CreateControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  filterLabel_ = CreateWindowExW(0, WC_STATICW, Wide(FilterCaption).c_str(), WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, 0,
                                 0, 0, 0, window_, nullptr, instance, nullptr);
  filter_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0,
                            0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(FilterId)), instance, nullptr);
  SendMessageW(filter_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(Wide(FilterHint).c_str()));
  list_ = std::make_unique<TableListView>(window_, ListId);
  SetWindowSubclass(List(), &ItemTableWindow::ListKeys, ListSubclassId, reinterpret_cast<DWORD_PTR>(this));
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window_,
                            nullptr, instance, nullptr);
  // One tool over the whole list, whose text is asked for the cell under the mouse.
  tip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(List());
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, TipWidth);
}

void ItemTableWindow::UseFonts(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  metrics.lfMessageFont.lfWeight = FW_BOLD;
  HFONT bold = CreateFontIndirectW(&metrics.lfMessageFont);
  for (HWND control : {filterLabel_, filter_, status_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  list_->SetFonts(font, bold, dpi);
  if (font_ != nullptr) DeleteObject(font_);
  if (boldFont_ != nullptr) DeleteObject(boldFont_);
  font_ = font;
  boldFont_ = bold;
  Layout();
}

void ItemTableWindow::Layout() {
  RECT client;
  GetClientRect(window_, &client);
  const UINT dpi = GetDpiForWindow(window_);
  const int margin = Scaled(Margin, dpi), row = Scaled(24, dpi), label = Scaled(40, dpi);
  SendMessageW(status_, WM_SIZE, 0, 0);
  RECT status;
  GetWindowRect(status_, &status);
  const int statusHeight = status.bottom - status.top;
  SetWindowPos(filterLabel_, nullptr, margin, margin, label, row, SWP_NOZORDER);
  SetWindowPos(filter_, nullptr, margin + label, margin, Scaled(FilterWidth, dpi), row, SWP_NOZORDER);
  const int top = 2 * margin + row;
  SetWindowPos(List(), nullptr, 0, top, client.right, std::max<int>(client.bottom - top - statusHeight, 0),
               SWP_NOZORDER);
}

LRESULT ItemTableWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE:
      if (list_) Layout();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DPICHANGED: {
      UseFonts(HIWORD(wParam));
      TakeSuggestedRect(lParam);
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT ItemTableWindow::OnNotify(const NMHDR& header) {
  if (const std::optional<LRESULT> answer = list_->Notify(header)) return *answer;
  if (header.hwndFrom == tip_ && header.code == TTN_GETDISPINFOW) {
    auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    tipText_ = tipCell_ ? WideLines(CellTip(*table_, list_->ItemAt(tipCell_->row), tipCell_->column)) : L"";
    info.lpszText = tipText_.data();
    return 0;
  }
  if (header.hwndFrom != List()) return 0;
  switch (header.code) {
    case LVN_COLUMNCLICK:
      SortBy(static_cast<TableColumn>(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem));
      return 0;
    case NM_CLICK:
    case NM_DBLCLK: {
      // The list has focused and selected rows as Shift and Ctrl ask; the column is the window's.
      const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
      if (click.iItem < 0 || click.iSubItem < 0) return 0;
      list_->SetCurrentColumn(static_cast<TableColumn>(click.iSubItem));
      if (header.code == NM_DBLCLK) BeginEdit(std::nullopt);
      return 0;
    }
    default:
      return 0;
  }
}

void ItemTableWindow::Command(int id, int notification) {
  if (id == FilterId && notification == EN_CHANGE) return ShowRows();
  if (id == CommandId("Save")) return static_cast<void>(OnSave());
  if (id == CommandId("Revert")) return OnRevert();
  if (id == CommandId("Import")) return OnImport();
  if (id == CommandId("Export")) return OnExport();
  if (id == CommandId("Symbols")) return OnSymbols();
  if (id == CommandId("Close")) return static_cast<void>(Close());
  if (id == CommandId("Copy")) return OnCopy();
  if (id == CommandId("Paste")) return OnPaste();
  if (id == CommandId("Undo")) return OnUndo();
  if (id == CommandId("Redo")) return OnRedo();
  if (id == CommandId("Find")) return OnFind();
  if (id == CommandId("ShowBytes")) return OnShowBytes();
}

LRESULT CALLBACK ItemTableWindow::ListKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                           DWORD_PTR self) {
  auto* table = reinterpret_cast<ItemTableWindow*>(self);
  if (message == WM_MOUSEMOVE) table->ShowTip({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
  // Scrolling would leave an open editor behind its cell.
  if (message == WM_VSCROLL || message == WM_HSCROLL || message == WM_MOUSEWHEEL) table->EndEdit(EditEnd::Commit);
  if (const std::optional<LRESULT> handled = table->OnListKey(message, wParam)) return *handled;
  return DefSubclassProc(list, message, wParam, lParam);
}

// The keys of a table, as spreadsheets have them: arrows and Tab move,
// typing starts an edit that replaces the cell, F2 edits it as it stands.
std::optional<LRESULT> ItemTableWindow::OnListKey(UINT message, WPARAM wParam) {
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
  if (message == WM_KEYDOWN) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (wParam) {
      case VK_LEFT:
      case VK_RIGHT:
        list_->MoveColumn(wParam == VK_LEFT ? -1 : 1, false);
        return 0;
      case VK_TAB:
        list_->MoveColumn(shift ? -1 : 1, true);
        return 0;
      case VK_F2:
        BeginEdit(std::nullopt);
        return 0;
      default:
        return std::nullopt;
    }
  }
  if (message == WM_CHAR) {
    const auto typed = static_cast<wchar_t>(wParam);
    // Control characters, Tab and Enter among them, start no edit.
    if (typed < L' ' || typed == 0x7F) return 0;
    BeginEdit(typed);
    return 0;
  }
  return std::nullopt;
}

void ItemTableWindow::ShowTip(POINT point) {
  const std::optional<TableListView::Cell> cell = list_->CellAt(point);
  const bool same = cell && tipCell_ && cell->row == tipCell_->row && cell->column == tipCell_->column;
  if (same) return;
  tipCell_ = cell;
  // Hidden now; shown again, with the new cell's text, after the usual pause.
  SendMessageW(tip_, TTM_POP, 0, 0);
}

void ItemTableWindow::ShowRows() {
  shown_ = ShownItems(*table_, WindowText(filter_), sort_);
  list_->Show(*table_, shown_);
  if (!list_->Current() && list_->RowCount() > 0) list_->SetCurrent({0, TableColumn::Price});
}

void ItemTableWindow::ShowChanges() {
  list_->Redraw();
  UpdateTitle();
}

void ItemTableWindow::UpdateTitle() {
  SetText(window_, TableTitle(*table_) + (table_->HasEdits() ? "*" : ""));
  EnableEntries(GetMenu(window_), TableMenus(), FirstCommandId,
                [this](std::string_view entry) { return EntryEnabled(*table_, entry); });
  CheckEntries(GetMenu(window_), TableMenus(), FirstCommandId,
               [this](std::string_view entry) { return EntryChecked(*table_, entry); });
}

void ItemTableWindow::SetStatus(std::string_view text) const { SetText(status_, text); }

std::string ItemTableWindow::StatusText() const { return WindowText(status_); }

void ItemTableWindow::BeginEdit(std::optional<wchar_t> typed) {
  const std::optional<TableListView::Cell> cell = list_->Current();
  if (!cell) return;
  const int item = list_->ItemAt(cell->row);
  if (!table_->Editable(item, cell->column)) return;
  EndEdit(EditEnd::Commit);
  SendMessageW(List(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(cell->row), FALSE);
  edited_ = {item, cell->column};
  const std::optional<NamedColumn> named = ColumnInfo(cell->column).named;
  const std::vector<std::string> choices =
      named && !table_->ShowsBytes() ? NamedCellChoices(*named, table_->Routines()) : std::vector<std::string>{};
  editor_ = std::make_unique<CellEditor>(List(), list_->CellRect(*cell), cell->column,
                                         table_->EditText(item, cell->column), [this](EditEnd end) { EndEdit(end); },
                                         choices);
  if (typed) {
    editor_->Type(*typed);
  } else {
    editor_->ShowChoices();
  }
}

void ItemTableWindow::EndEdit(EditEnd end) {
  // Taken first: destroying the editor takes its focus, which ends no edit again.
  std::unique_ptr<CellEditor> editor = std::move(editor_);
  if (!editor) return;
  const std::optional<std::string> text = editor->Text();
  if (end != EditEnd::FocusLost) SetFocus(List());
  editor.reset();
  if (end != EditEnd::Cancel && text) Commit(edited_.item, edited_.column, *text);
  if (end == EditEnd::Next || end == EditEnd::Previous) list_->MoveColumn(end == EditEnd::Next ? 1 : -1, true);
}

bool ItemTableWindow::CommitEdit() {
  if (!editor_) return true;
  const EditedCell cell = edited_;
  EndEdit(EditEnd::Commit);
  const std::string refusal = table_->Refusal(cell.item, cell.column);
  if (refusal.empty()) return true;
  SetStatus(refusal);
  return false;
}

void ItemTableWindow::Commit(int item, TableColumn column, const std::string& text) {
  if (const std::optional<std::string> problem = table_->Commit(item, column, text)) SetStatus(*problem);
  ShowChanges();
}

void ItemTableWindow::SortBy(TableColumn column) {
  EndEdit(EditEnd::Commit);
  const bool ascending = !(sort_ && sort_->column == column && sort_->ascending);
  sort_ = TableSort{column, ascending};
  list_->ShowSortMark(sort_);
  ShowRows();
}

bool ItemTableWindow::Settle() {
  if (!CommitEdit()) return false;
  const std::optional<TableQuestion> question = QuestionBefore(*table_, "Close");
  if (!question) return true;
  switch (askToSave_(window_, question->text, question->offerSave)) {
    case SaveChoice::Save:
      return OnSave();
    case SaveChoice::Discard:
      ShowOutcome(DiscardCommand(*table_));
      ShowChanges();
      return true;
    case SaveChoice::Cancel:
      break;
  }
  return false;
}

bool ItemTableWindow::Close() {
  if (!Settle()) return false;
  DestroyWindow(window_);
  return true;
}

void ItemTableWindow::ShowRom(const std::string& path) {
  EndEdit(EditEnd::Cancel);
  auto table = std::make_unique<ItemTable>(path);
  // Another file shows as the last one did.
  table->ShowBytes(table_->ShowsBytes());
  table_ = std::move(table);
  ShowRows();
  UpdateTitle();
}

void ItemTableWindow::FileSaved() {
  const CommandOutcome outcome = RereadCommand(*table_);
  if (!outcome.done) SetStatus(outcome.status);
  ShowChanges();
}

void ItemTableWindow::Activate() const {
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
}

bool ItemTableWindow::ShowOutcome(const CommandOutcome& outcome) {
  SetStatus(outcome.status);
  if (outcome.message) showMessage_(window_, *outcome.message);
  return outcome.done;
}

// Save goes on past a refused cell: it refuses the cell itself, in its own words.
bool ItemTableWindow::OnSave() {
  CommitEdit();
  const bool saved = ShowOutcome(SaveCommand(*table_));
  ShowChanges();
  return saved;
}

void ItemTableWindow::OnRevert() {
  if (!CommitEdit()) return;
  const std::optional<TableQuestion> question = QuestionBefore(*table_, "Revert");
  if (question && askToSave_(window_, question->text, question->offerSave) != SaveChoice::Discard) return;
  ShowOutcome(RevertCommand(*table_));
  ShowChanges();
}

std::string ItemTableWindow::ChooseFileToRead(std::string_view title, std::string_view filter,
                                              const std::string& folder) {
  if (!CommitEdit()) return {};
  clsCommonDialog dialog(dialogs_());
  return dialog.ShowOpen(reinterpret_cast<intptr_t>(window_), std::string(title), folder, std::string(filter));
}

void ItemTableWindow::OnImport() {
  const std::string path = ChooseFileToRead(ImportDialogTitle, ImportDialogFilter);
  if (path.empty()) return;
  ShowOutcome(ImportCommand(*table_, path));
  ShowChanges();
}

void ItemTableWindow::OnExport() {
  if (!CommitEdit()) return;
  clsCommonDialog dialog(dialogs_());
  const std::string path = dialog.ShowSave(reinterpret_cast<intptr_t>(window_), std::string(ExportDialogTitle),
                                           std::string(ExportDialogFileName), "", std::string(ExportDialogFilter));
  if (path.empty()) return;
  ShowOutcome(ExportCommand(*table_, path));
}

void ItemTableWindow::OnSymbols() {
  const std::string path = ChooseFileToRead(SymbolsDialogTitle, SymbolsDialogFilter, SymbolsDialogFolder(*table_));
  if (path.empty()) return;
  ShowOutcome(SymbolsCommand(*table_, path));
  ShowChanges();
}

// In a text box, Ctrl+C, Ctrl+V and Ctrl+Z are the box's own.
void ItemTableWindow::OnCopy() {
  if (HWND focus = GetFocus(); IsTextBox(focus)) return static_cast<void>(SendMessageW(focus, WM_COPY, 0, 0));
  if (!CommitEdit()) return;
  SetClipboardText(window_, CopyRows(*table_, list_->SelectedItems()));
}

// The selected rows in the current column, as the list selects whole rows.
PasteTarget ItemTableWindow::Target() const {
  const std::optional<TableListView::Cell> current = list_->Current();
  PasteTarget target{shown_, {list_->ItemAt(current->row), current->column}, {}};
  for (const int item : list_->SelectedItems()) target.selected.push_back({item, current->column});
  return target;
}

void ItemTableWindow::OnPaste() {
  if (HWND focus = GetFocus(); IsTextBox(focus)) return static_cast<void>(SendMessageW(focus, WM_PASTE, 0, 0));
  if (!CommitEdit() || !list_->Current()) return;
  const std::optional<std::string> text = ClipboardText(window_);
  if (!text) return;
  ShowOutcome(PasteCommand(*table_, *text, Target()));
  ShowChanges();
}

void ItemTableWindow::OnUndo() {
  if (HWND focus = GetFocus(); IsTextBox(focus)) return static_cast<void>(SendMessageW(focus, WM_UNDO, 0, 0));
  if (!CommitEdit()) return;
  ShowOutcome(UndoCommand(*table_));
  ShowChanges();
}

void ItemTableWindow::OnRedo() {
  if (!CommitEdit()) return;
  ShowOutcome(RedoCommand(*table_));
  ShowChanges();
}

void ItemTableWindow::OnShowBytes() {
  EndEdit(EditEnd::Commit);
  table_->ShowBytes(!table_->ShowsBytes());
  ShowChanges();
}

void ItemTableWindow::OnFind() {
  EndEdit(EditEnd::Commit);
  SetFocus(filter_);
  SendMessageW(filter_, EM_SETSEL, 0, -1);
}
