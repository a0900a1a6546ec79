#include "win32/message_box.h"

#include "forms/editor_form.h"
#include "win32/wide_text.h"

void ShowMessage(HWND owner, const std::string& text) {
  MessageBoxW(owner, Wide(text).c_str(), Wide(EditorForm().caption).c_str(), MB_OK);
}
