#include "items/routine_names.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <system_error>
#include <set>

#include "items/field_codec.h"
#include "items/item_routine_table.h"
#include "items/same_ignoring_case.h"
#include "items/symbol_file.h"
#include "items/wording.h"
#include "rom_io/file_path.h"

using FieldCodec::SwappedBytes;

namespace {

constexpr uint16_t RoutineBank = 3;
constexpr uint16_t BankStart = 0x4000, BankEnd = 0x7FFF;

bool IsReleaseOf(const ItemRoutineFact& fact, const Edition& edition) {
  return SameIgnoringCase(fact.edition, edition.name);
}

// "03:67C0", as a symbol file writes where a table stands.
std::string BankAddressText(int64_t offset) {
  const NamedValues hex({}, "", 4);
  const std::string bank = hex.Hex(static_cast<uint16_t>(offset / BankSize));
  return bank.substr(2) + ":" + hex.Hex(BankAddress(offset));
}

const Symbol* NonLocal(const std::vector<Symbol>& symbols, std::string_view name) {
  const auto found = std::ranges::find_if(symbols, [name](const Symbol& s) { return s.name == name; });
  return found == symbols.end() ? nullptr : &*found;
}

// Why a table's label does not stand where the ROM's code finds the table.
std::optional<std::string> Misplaced(const std::vector<Symbol>& symbols, std::string_view label,
                                     std::string_view table, const std::optional<int32_t>& found) {
  const Symbol* symbol = NonLocal(symbols, label);
  if (symbol == nullptr) return std::nullopt;
  const auto offset = FileOffsetOf(symbol->bank, symbol->address);
  const std::string where = BankAddressText(offset.value_or(0));
  if (!found) return "its " + std::string(label) + " stands at " + where + ", but the ROM's " + std::string(table) +
                     " was not found";
  if (offset == *found) return std::nullopt;
  return "its " + std::string(label) + " stands at " + where + ", but the ROM's " + std::string(table) + " is at " +
         BankAddressText(*found);
}

}  // namespace

RoutineNames::RoutineNames() : choices_({}, "", 4) {}

RoutineNames::RoutineNames(std::span<const uint8_t> rom, const Edition* edition, const ItemTables& tables,
                           const SymbolFileText& symbols)
    : choices_({}, "", 4) {
  if (tables.pointers) {
    for (int item = 1; item <= LastItemWithAsm; ++item) {
      const auto at = static_cast<size_t>(AsmEntryAddress(*tables.pointers, item));
      entries_.push_back(static_cast<uint16_t>(rom[at] << 8 | rom[at + 1]));
    }
  }
  const auto releaseProblem = ReleaseProblem(edition, tables);
  if (!releaseProblem) {
    NameFromRelease(*edition);
    if (!symbols.path.empty()) {
      symbolNote_ = "the symbol file " + Quoted(symbols.path) + " is not needed: the release names the routines";
    }
    return;
  }
  if (NameFromSymbols(symbols, tables)) return;
  sourceText_ = "none: " + *releaseProblem;
  if (symbols.path.empty()) sourceText_ += ", and no symbol file is at hand";
  if (!symbolNote_.empty()) sourceText_ += "; " + symbolNote_;
}

std::optional<std::string> RoutineNames::ReleaseProblem(const Edition* edition, const ItemTables& tables) const {
  if (edition == nullptr) return "the edition is not known";
  if (!tables.pointers) return "the ROM's table of item-use routines was not found";
  if (*tables.pointers != edition->asmTableBase) return "the table of item-use routines is not where the release has it";
  for (size_t i = 0; i < entries_.size(); ++i) {
    const uint16_t address = SwappedBytes(entries_[i]);
    const bool known = std::ranges::any_of(
        ItemRoutineTable, [&](const ItemRoutineFact& f) { return IsReleaseOf(f, *edition) && f.address == address; });
    if (!known) {
      return "item " + std::to_string(i + 1) + "'s entry " + choices_.Hex(entries_[i]) +
             " is no routine of the release";
    }
  }
  return std::nullopt;
}

void RoutineNames::NameFromRelease(const Edition& edition) {
  const std::set<uint16_t> used(entries_.begin(), entries_.end());
  std::vector<NamedValue> values;
  for (const ItemRoutineFact& fact : ItemRoutineTable) {
    const uint16_t pointer = SwappedBytes(fact.address);
    if (IsReleaseOf(fact, edition) && used.count(pointer)) {
      values.push_back({std::string(fact.routine), std::string(fact.routine), pointer});
    }
  }
  choices_ = NamedValues(std::move(values), "", 4);
  source_ = Source::Release;
  sourceText_ = "the release (" + std::string(edition.label) + ")";
}

bool RoutineNames::NameFromSymbols(const SymbolFileText& symbols, const ItemTables& tables) {
  if (symbols.path.empty()) return false;
  const std::string file = "the symbol file " + Quoted(symbols.path);
  if (!symbols.text) {
    symbolNote_ = file + " cannot be read: " + symbols.unreadable;
    return false;
  }
  const std::vector<Symbol> parsed = ParseSymbolFile(*symbols.text);
  const bool vouched = NonLocal(parsed, "ItemAttributes") || NonLocal(parsed, "ItemEffects");
  auto problem = Misplaced(parsed, "ItemAttributes", "item attribute table", tables.items);
  if (!problem) problem = Misplaced(parsed, "ItemEffects", "table of item-use routines", tables.pointers);
  if (!problem && !vouched) problem = "it names neither ItemAttributes nor ItemEffects, so it may be another ROM's";
  if (problem) {
    symbolNote_ = file + " is ignored: " + *problem;
    return false;
  }
  std::vector<NamedValue> values;
  std::set<uint16_t> named;
  for (const Symbol& symbol : parsed) {
    const bool routine = symbol.bank == RoutineBank && symbol.address >= BankStart && symbol.address <= BankEnd;
    // Several labels may share an address; the first one names it.
    if (routine && !symbol.IsLocal() && named.insert(symbol.address).second) {
      values.push_back({symbol.name, symbol.name, SwappedBytes(symbol.address)});
    }
  }
  choices_ = NamedValues(std::move(values), "", 4);
  source_ = Source::SymbolFile;
  sourceText_ = file;
  return true;
}

std::optional<std::string> RoutineNames::NameOf(uint16_t pointer) const {
  const NamedValue* named = choices_.Find(pointer);
  if (named == nullptr) return std::nullopt;
  return named->name;
}

std::string SymbolFileBeside(const std::string& romPath) {
  return Utf8Text(FilePath(romPath).replace_extension(".sym"));
}

SymbolFileText ReadSymbolFile(const std::string& path, bool chosen) {
  SymbolFileText file{path, std::nullopt, {}};
  const CFileHandle handle(OpenCFile(path, "rb"));
  if (!handle) {
    // Most ROMs come without one.
    if (!chosen && errno == ENOENT) return {};
    file.unreadable = std::generic_category().message(errno);
    return file;
  }
  std::string text;
  std::array<char, 4096> buffer{};
  for (size_t read = 0; (read = std::fread(buffer.data(), 1, buffer.size(), handle.get())) > 0;) {
    text.append(buffer.data(), read);
  }
  if (std::ferror(handle.get())) {
    file.unreadable = "it could not be read to its end";
    return file;
  }
  file.text = std::move(text);
  return file;
}
