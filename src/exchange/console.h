#pragma once

#include <string>

// The tool's standard output and error, which differ between systems.

// Makes standard output and error pass bytes as they are: on Windows they
// would otherwise turn each "\n" into "\r\n", and an export printed there
// would differ from one written with -o and from the same export elsewhere.
void UseBinaryConsole();

// A standard stream that was closed would lend its number to the next file
// opened, a ROM among them, and the report would be written into that file.
// Each closed one is held by the null device, read-only, so that a write to
// it still fails, as it would have.
void HoldClosedStandardStreams();

// Where standard output goes, seen from the regular file at `path`.
enum class OutputTarget {
  Elsewhere,   // a console, a pipe, or another file
  ThisFile,    // `path` itself, under any name
  UntoldFile,  // a file on disk that the system tells nothing about: it may be `path`
};
OutputTarget StandardOutputTarget(const std::string& path);
