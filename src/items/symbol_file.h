#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The symbols of a symbol file, as the assembler writes one beside the ROM
// it builds: a line "03:6926 PokeBallEffect" gives the bank and the address
// in it (both hex) and the label.
struct Symbol {
  uint16_t bank;
  uint16_t address;
  std::string name;

  // A label local to a routine ("PokeBallEffect.ultra_ball") names no routine.
  bool IsLocal() const { return name.find('.') != std::string::npos; }
};

// Every symbol line, in file order; comments after ";", blank lines and
// any line that is not a symbol are passed over.
std::vector<Symbol> ParseSymbolFile(std::string_view text);
