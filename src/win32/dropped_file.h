#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The file that a drop onto the window hands over, as UTF-8: exactly one
// file, as on Linux; several are not taken. Releases the drop's data.
std::optional<std::string> DroppedFile(HDROP drop);
