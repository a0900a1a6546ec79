// The floor of `export`: read a clean Gold, Silver or Crystal ROM whose
// tables and descriptions lie where the clean game has them and print the
// same CSV as the tool, with the built-in names and the values' names.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli_floors/floor_input.h"
#include "items/description_texts.h"
#include "items/edition_table.h"
#include "items/game_text.h"
#include "items/held_effect_names.h"
#include "items/item_names.h"
#include "items/item_table_finder.h"
#include "items/menu_names.h"
#include "items/routine_names.h"
#include "items/use_names.h"
#include "rom_builder.h"

namespace {

// Item 1 to 190's description, through the clean game's table of addresses.
std::string Description(const RomBytes& rom, const Edition& edition, int item) {
  if (!HasDescription(item)) return {};
  const size_t table = CleanTableCodePlaces(edition).descriptionTable;
  const size_t entry = table + 2 * static_cast<size_t>(item - 1);
  const size_t address = static_cast<size_t>(rom[entry] | rom[entry + 1] << 8);
  const size_t at = table / BankSize * BankSize + address - BankSize;
  const auto* end = static_cast<const uint8_t*>(std::memchr(&rom[at], TextEnd, rom.size() - at));
  return DecodeGameText({&rom[at], end});
}

// As a CSV cell: quoted where it holds a comma, a quote or a line break.
std::string Cell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string cell = "\"";
  for (const char c : text) cell += c == '"' ? "\"\"" : std::string(1, c);
  return cell + "\"";
}

void PrintItem(const RomBytes& rom, const Edition& edition, const RoutineNames& routines, int item) {
  const uint8_t* record = &rom[static_cast<size_t>(RecordAddress(edition.itemTableBase, item))];
  std::string asmPointer, routine;
  if (HasAsmEntry(item)) {
    const uint8_t* entry = &rom[static_cast<size_t>(AsmEntryAddress(edition.asmTableBase, item))];
    char text[5];
    std::snprintf(text, sizeof text, "%02X%02X", entry[0], entry[1]);
    asmPointer = text;
    routine = routines.NameOf(static_cast<uint16_t>(entry[0] << 8 | entry[1])).value_or("");
  }
  const std::string_view name = ItemNames[static_cast<size_t>(item)];
  const uint8_t menus = record[RecordByte::How];
  std::printf("%d,%.*s,%d,%02X,%02X,%02X,%d,%02X,%s,%.*s,%s,%s,%s,%s,%s,%s\n", item, static_cast<int>(name.size()),
              name.data(), record[RecordByte::Price] | record[RecordByte::Price + 1] << 8, record[RecordByte::Effect],
              record[RecordByte::Variable], record[RecordByte::Options], record[RecordByte::Pocket], menus,
              asmPointer.c_str(), static_cast<int>(edition.name.size()), edition.name.data(),
              Cell(Description(rom, edition, item)).c_str(), HeldEffectNames().Name(record[RecordByte::Effect]).c_str(),
              UseNames().Name(record[RecordByte::Options]).c_str(), MenuNames().Name(FieldMenu(menus)).c_str(),
              MenuNames().Name(BattleMenu(menus)).c_str(), routine.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s ROM\n", argv[0]);
    return 2;
  }
  const RomBytes rom = ReadWholeFileOrExit(argv[1]);
  const Edition* edition = EditionOf(rom);
  if (edition == nullptr) return 2;
  // The routines are named as the tool names them for a ROM without a symbol file.
  const RoutineNames routines(rom, edition, FindItemTables(rom), SymbolFileText{});
  std::printf("index,name,price,effect,variable,options,pocket,how,asm,edition,description,"
              "held_effect_name,property_name,field_menu,battle_menu,routine\n");
  for (int item = 1; item <= LastItem; ++item) PrintItem(rom, *edition, routines, item);
  return 0;
}
