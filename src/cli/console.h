#pragma once

#include <string>

// The tool's standard output and error, which differ between systems.

// Makes standard output and error pass bytes as they are: on Windows they
// would otherwise turn each "\n" into "\r\n", and an export printed there
// would differ from one written with -o and from the same export elsewhere.
void UseBinaryConsole();

// Whether standard output goes into the regular file at `path`.
bool StandardOutputIs(const std::string& path);
