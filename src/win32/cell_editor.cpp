#include "win32/cell_editor.h"

#include <commctrl.h>

#include <algorithm>

#include "items/item_names.h"
#include "table/pocket_cell.h"
#include "table/table_design.h"
#include "win32/wide_text.h"

namespace {

constexpr UINT_PTR SubclassId = 1;

HWND CreatePocketList(HWND list, RECT cell, const std::string& text) {
  // Room below the cell for the five entries and one that shows an unlisted byte.
  HWND control = CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, cell.left, cell.top,
                                 cell.right - cell.left, (cell.bottom - cell.top) * 8, list, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  for (const std::string_view name : PocketNames) {
    SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
  }
  // A refused text shows no entry; choosing one replaces it.
  const std::optional<int16_t> pocket = PocketFromCell(text);
  if (!pocket) return control;
  if (*pocket >= static_cast<int16_t>(PocketCount)) {
    SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(PocketCellText(*pocket)).c_str()));
  }
  SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(std::min<int16_t>(*pocket, PocketCount)), 0);
  return control;
}

HWND CreateTextBox(HWND list, RECT cell, TableColumn column, const std::string& text) {
  const bool twoLines = column == TableColumn::Description;
  const DWORD style = WS_CHILD | WS_BORDER | (twoLines ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL);
  const int height = (cell.bottom - cell.top) * (twoLines ? DescriptionEditorLines : 1);
  HWND control = CreateWindowExW(0, WC_EDITW, WideLines(text).c_str(), style, cell.left, cell.top,
                                 cell.right - cell.left, height, list, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, EM_SETSEL, 0, -1);
  return control;
}

HWND CreateChoiceList(HWND list, RECT cell, const std::string& text, const std::vector<std::string>& choices) {
  HWND control = CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                 cell.left, cell.top, cell.right - cell.left, (cell.bottom - cell.top) * 12, list,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
  for (const std::string& choice : choices) {
    SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(choice).c_str()));
  }
  SetWindowTextW(control, Wide(text).c_str());
  SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  return control;
}

// The box of a list that takes typing.
HWND TypingBox(HWND control) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(control, &info) && info.hwndItem ? info.hwndItem : control;
}

}  // namespace

CellEditor::CellEditor(HWND list, RECT cell, TableColumn column, const std::string& text, EndHandler onEnd,
                       const std::vector<std::string>& choices)
    : column_(column), onEnd_(std::move(onEnd)), hasChoices_(!choices.empty()) {
  if (hasChoices_) {
    control_ = CreateChoiceList(list, cell, text, choices);
  } else {
    control_ =
        column == TableColumn::Pocket ? CreatePocketList(list, cell, text) : CreateTextBox(list, cell, column, text);
  }
  typing_ = hasChoices_ ? TypingBox(control_) : control_;
  SendMessageW(control_, WM_SETFONT, static_cast<WPARAM>(SendMessageW(list, WM_GETFONT, 0, 0)), FALSE);
  SetWindowSubclass(typing_, &CellEditor::Keys, SubclassId, reinterpret_cast<DWORD_PTR>(this));
  ShowWindow(control_, SW_SHOW);
  SetFocus(typing_);
}

CellEditor::~CellEditor() {
  RemoveWindowSubclass(typing_, &CellEditor::Keys, SubclassId);
  DestroyWindow(control_);
}

std::optional<std::string> CellEditor::Text() const {
  if (column_ != TableColumn::Pocket || hasChoices_) {
    std::string text = WindowText(control_);
    std::erase(text, '\r');
    return text;
  }
  const auto entry = SendMessageW(control_, CB_GETCURSEL, 0, 0);
  if (entry == CB_ERR) return std::nullopt;
  std::wstring text(static_cast<size_t>(SendMessageW(control_, CB_GETLBTEXTLEN, static_cast<WPARAM>(entry), 0)), L'\0');
  SendMessageW(control_, CB_GETLBTEXT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(text.data()));
  return Utf8(text);
}

void CellEditor::Type(wchar_t typed) {
  if (column_ != TableColumn::Pocket || hasChoices_) SetWindowTextW(control_, L"");
  SendMessageW(typing_, WM_CHAR, typed, 0);
}

void CellEditor::ShowChoices() {
  if (column_ == TableColumn::Pocket || hasChoices_) SendMessageW(control_, CB_SHOWDROPDOWN, TRUE, 0);
}

// As in the Qt table: Enter commits, Shift+Enter or Ctrl+Enter breaks a
// description's line.
bool CellEditor::BreaksLine() const {
  return column_ == TableColumn::Description && (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0);
}

LRESULT CALLBACK CellEditor::Keys(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                  DWORD_PTR self) {
  auto* editor = reinterpret_cast<CellEditor*>(self);
  // The owner may destroy the editor while it hears how the edit ended.
  const auto end = [editor](EditEnd how) {
    const EndHandler onEnd = editor->onEnd_;
    onEnd(how);
    return LRESULT{0};
  };
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN && editor->BreaksLine()) {
        SendMessageW(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
        return 0;
      }
      if (wParam == VK_RETURN) return end(EditEnd::Commit);
      if (wParam == VK_ESCAPE) return end(EditEnd::Cancel);
      if (wParam == VK_TAB) return end(GetKeyState(VK_SHIFT) < 0 ? EditEnd::Previous : EditEnd::Next);
      break;
    case WM_CHAR:
      // Enter (Ctrl+Enter types a line feed), Esc and Tab were handled as
      // keys; the box would beep at them.
      if (wParam == L'\r' || wParam == L'\n' || wParam == L'\x1b' || wParam == L'\t') return 0;
      break;
    case WM_KILLFOCUS:
      DefSubclassProc(control, message, wParam, lParam);
      return end(EditEnd::FocusLost);
    default:
      break;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}
