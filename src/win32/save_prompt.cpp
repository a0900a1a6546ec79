#include "win32/save_prompt.h"

#include <commctrl.h>

#include <span>

#include "forms/editor_form.h"
#include "win32/wide_text.h"

SaveChoice AskToSave(HWND owner, const std::string& question, bool offerSave) {
  // A message box's buttons say Yes and No; a task dialog's say what they do.
  const TASKDIALOG_BUTTON allButtons[] = {{IDYES, L"Save"}, {IDNO, L"Discard"}};
  const std::span<const TASKDIALOG_BUTTON> buttons = offerSave ? std::span(allButtons) : std::span(allButtons).last(1);
  const std::wstring caption = Wide(EditorForm().caption), text = Wide(question);
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof(config);
  config.hwndParent = owner;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
  config.dwCommonButtons = TDCBF_CANCEL_BUTTON;
  config.pszWindowTitle = caption.c_str();
  config.pszContent = text.c_str();
  config.cButtons = static_cast<UINT>(buttons.size());
  config.pButtons = buttons.data();
  // Dropping edits is never the choice that Enter makes.
  config.nDefaultButton = offerSave ? IDYES : IDCANCEL;
  int pressed = IDCANCEL;
  if (FAILED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) return SaveChoice::Cancel;
  if (pressed == IDYES) return SaveChoice::Save;
  return pressed == IDNO ? SaveChoice::Discard : SaveChoice::Cancel;
}
