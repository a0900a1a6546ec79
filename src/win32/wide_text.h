#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Texts are UTF-8 inside the program; the window system's wide functions
// take and give UTF-16.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
// UTF-16 with each line break as CR LF, as edit boxes, tooltips and the
// clipboard take them.
std::wstring WideLines(std::string_view utf8);

// A window's text, as UTF-8.
std::string WindowText(HWND window);
void SetText(HWND window, std::string_view utf8);
