#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The clipboard's Unicode text (CF_UNICODETEXT), as spreadsheets exchange
// rows of cells; UTF-8 inside the program.

// Nothing when the clipboard holds no text or cannot be opened.
std::optional<std::string> ClipboardText(HWND owner);
// Replaces the clipboard's content; line breaks become CR LF, as Windows
// programs expect. False when the clipboard cannot be opened.
bool SetClipboardText(HWND owner, std::string_view utf8);
