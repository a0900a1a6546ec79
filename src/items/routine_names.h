#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "items/edition_table.h"
#include "items/item_table_finder.h"
#include "items/named_values.h"

// A symbol file offered for a ROM: its path, and its text when it could be
// read, or why not; neither when there is no such file.
struct SymbolFileText {
  std::string path;
  std::optional<std::string> text;
  std::string unreadable;
};

// The names of the item-use routines of one ROM, where they can be trusted:
// from the clean game's list when the ROM's table of routines is the
// release's, or else from a symbol file that belongs to the ROM. A wrong name
// is worse than none, so a ROM whose code moved has none without its
// symbol file.
class RoutineNames {
 public:
  enum class Source { Release, SymbolFile, None };

  // Names from nowhere, for a ROM without tables.
  RoutineNames();
  RoutineNames(std::span<const uint8_t> rom, const Edition* edition, const ItemTables& tables,
               const SymbolFileText& symbols);

  Source From() const { return source_; }
  // For `info`: "the release (Pokémon Gold Version)", "the symbol file
  // "hack.sym"" or "none: " and why.
  std::string SourceText() const { return sourceText_; }
  // Why the symbol file offered was not used, a clause ("the symbol file
  // "x.sym" is ignored: ..."); empty when it was, or when none was offered.
  const std::string& SymbolFileNote() const { return symbolNote_; }
  // The routines an item may be given by name: those the ROM's table uses
  // that have a name, or every routine the symbol file names in bank 3. The
  // values are pointers as the ASM field shows them, in file order.
  const NamedValues& Choices() const { return choices_; }
  // "PokeBallEffect" for the pointer 2669 (file order) of Gold.
  std::optional<std::string> NameOf(uint16_t pointer) const;

 private:
  void NameFromRelease(const Edition& edition);
  bool NameFromSymbols(const SymbolFileText& symbols, const ItemTables& tables);
  std::optional<std::string> ReleaseProblem(const Edition* edition, const ItemTables& tables) const;

  std::vector<uint16_t> entries_;  // items 1 to 179, as the ASM field shows them
  Source source_ = Source::None;
  std::string sourceText_, symbolNote_;
  NamedValues choices_;
};

// The symbol file beside a ROM: "pokecrystal.sym" for "pokecrystal.gbc".
std::string SymbolFileBeside(const std::string& romPath);
// The symbol file at `path`. One that the user `chosen` must be there; a
// missing one beside a ROM is no symbol file (an empty path).
SymbolFileText ReadSymbolFile(const std::string& path, bool chosen);
