#pragma once

#include <string>

// The tool's standard output and error, which differ between systems.

// Makes standard output and error pass bytes as they are: on Windows they
// would otherwise turn each "\n" into "\r\n", and an export printed there
// would differ from one written with -o and from the same export elsewhere.
void UseBinaryConsole();

// Where standard output goes, seen from the regular file at `path`.
enum class OutputTarget {
  Elsewhere,   // a console, a pipe, or another file
  ThisFile,    // `path` itself, under any name
  UntoldFile,  // a file on disk that the system tells nothing about: it may be `path`
};
OutputTarget StandardOutputTarget(const std::string& path);
