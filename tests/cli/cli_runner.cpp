#include "cli_runner.h"

#include <fstream>
#include <iterator>

#include "run_program.h"

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
  std::vector<std::string> command{KESTRUNE_CLI_PATH};
  command.insert(command.end(), arguments.begin(), arguments.end());
  const int status = RunProgram(command, outPath, errPath, !out.empty());
  return {status, out.empty() ? ReadText(outPath) : "", ReadText(errPath)};
}
