#include <sys/wait.h>

#include <cstdlib>

#include "run_program.h"

namespace {

// Single quotes keep every character as it is in the shell.
std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

int RunProgram(const std::vector<std::string>& command, const std::filesystem::path& out,
               const std::filesystem::path& err, bool appendOut) {
  std::string line;
  for (const std::string& word : command) line += ShellQuoted(word) + " ";
  line += (appendOut ? ">>" : ">") + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string()) + " </dev/null";
  const int raw = std::system(line.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}
