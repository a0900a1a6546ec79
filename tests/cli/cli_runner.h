#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Runs the built kestrune-cli with `arguments` and gathers what it printed.
struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Standard output is appended to `out` when given, else written to a file in
// `scratch` that the result holds.
CliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& scratch,
              const std::filesystem::path& out = {});

std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);
