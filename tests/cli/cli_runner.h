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

CliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& scratch);

std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);
