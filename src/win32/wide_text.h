#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Texts are UTF-8 inside the program; the window system's wide functions
// take and give UTF-16.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// A window's text, as UTF-8.
std::string WindowText(HWND window);
void SetText(HWND window, std::string_view utf8);
