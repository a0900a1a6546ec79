#include "win32/save_prompt.h"

#include <commctrl.h>

#include "forms/editor_form.h"
#include "win32/wide_text.h"

SaveChoice AskToSave(HWND owner, const std::string& question) {
  // A message box's buttons say Yes and No; a task dialog's say what they do.
  const TASKDIALOG_BUTTON buttons[] = {{IDYES, L"Save"}, {IDNO, L"Discard"}};
  const std::wstring caption = Wide(EditorForm().caption), text = Wide(question);
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof(config);
  config.hwndParent = owner;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
  config.dwCommonButtons = TDCBF_CANCEL_BUTTON;
  config.pszWindowTitle = caption.c_str();
  config.pszContent = text.c_str();
  config.cButtons = 2;
  config.pButtons = buttons;
  config.nDefaultButton = IDYES;
  int pressed = IDCANCEL;
  if (FAILED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) return SaveChoice::Cancel;
  if (pressed == IDYES) return SaveChoice::Save;
  return pressed == IDNO ? SaveChoice::Discard : SaveChoice::Cancel;
}
