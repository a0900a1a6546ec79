#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The floor of the item table's opening: a plain top-level window holding a
// report-mode ListView filled with the given rows of texts, in the system's
// message font, shown and painted. Nothing behind it.
HWND OpenBareList(const std::vector<std::vector<std::wstring>>& rows, const std::vector<std::wstring>& captions);
