#pragma once

#include <windows.h>

#include <string>

// The editor's one kind of message: the program's title as caption, an OK
// button, no icon. Blocks `owner` until the user closes it.
void ShowMessage(HWND owner, const std::string& text);
