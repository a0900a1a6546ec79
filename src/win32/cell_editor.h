#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "table/table_columns.h"

// How an edit in place ends: Enter commits, Esc cancels, Tab and Shift+Tab
// commit and move on, and the focus going elsewhere commits.
enum class EditEnd { Commit, Cancel, Next, Previous, FocusLost };

// The control that edits one cell of a list, placed over the cell: an edit
// box, the pocket list for a pocket, a two-line box for a description. It
// reports how the edit ended and leaves the rest to its owner, which may
// destroy it from within that report.
class CellEditor {
 public:
  using EndHandler = std::function<void(EditEnd)>;

  // Shows `text` over `cell` (in `list`'s coordinates) and takes the focus.
  // With `choices`, the box offers them as a list and takes any text too.
  CellEditor(HWND list, RECT cell, TableColumn column, const std::string& text, EndHandler onEnd,
             const std::vector<std::string>& choices = {});
  ~CellEditor();
  CellEditor(const CellEditor&) = delete;
  CellEditor& operator=(const CellEditor&) = delete;

  HWND Control() const { return control_; }
  // The text to commit; nothing when the pocket list has no entry chosen.
  std::optional<std::string> Text() const;
  // The first character typed: it replaces the cell's text, or, in the
  // pocket list, chooses the entry that it begins.
  void Type(wchar_t typed);
  // Drops the pocket list or the choices down, for an edit begun without
  // typing; a text box has nothing to show.
  void ShowChoices();

 private:
  bool BreaksLine() const;
  static LRESULT CALLBACK Keys(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);

  TableColumn column_;
  EndHandler onEnd_;
  HWND control_ = nullptr;
  HWND typing_ = nullptr;  // where keys go: the list's own box, or the control
  bool hasChoices_ = false;
};
