#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Runs `command` (the program, then its arguments, as UTF-8) with no input,
// its output and errors going to the two files, the output appended to `out`
// when `appendOut`; returns its exit status, or -1 when it did not exit
// normally.
int RunProgram(const std::vector<std::string>& command, const std::filesystem::path& out,
               const std::filesystem::path& err, bool appendOut);
