#include "cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

// Single quotes keep every character as it is in the shell.
std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

CliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& scratch,
              const std::filesystem::path& out) {
  const auto outPath = out.empty() ? scratch / "stdout.txt" : out;
  const auto errPath = scratch / "stderr.txt";
  std::string command = ShellQuoted(KESTRUNE_CLI_PATH);
  for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
  command += (out.empty() ? " >" : " >>") + ShellQuoted(outPath.string()) + " 2>" + ShellQuoted(errPath.string()) +
             " </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out.empty() ? ReadText(outPath) : "", ReadText(errPath)};
}
