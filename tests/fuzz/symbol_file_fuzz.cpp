// Any text as a symbol file: every symbol read from it is a label of its own
// line, with no blank, comment or line break in it, and a bank and an address
// of four hex digits at most.
#include <string>
#include <string_view>

#include "fuzz_file.h"
#include "items/symbol_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const Symbol& symbol : ParseSymbolFile(text)) {
    Require(!symbol.name.empty(), "a symbol has a label");
    Require(symbol.name.find_first_of(" \t\r\n;") == std::string::npos, "a label holds no blank, comment or line break");
    Require(text.find(symbol.name) != std::string_view::npos, "a label is part of the text");
  }
  return 0;
}
