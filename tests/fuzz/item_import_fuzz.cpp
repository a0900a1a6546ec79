// Any text given to import is either refused with a reason, or yields rows
// whose every value the item editor would store as given.
#include "exchange/item_import.h"
#include "fuzz_file.h"
#include "items/edition_table.h"
#include "items/item_names.h"
#include "items/refusal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ImportFile file;
  try {
    file = ParseImport(text, "fuzz.csv", ItemNames);
  } catch (const Refused& refused) {
    Require(KindOf(refused.Why()) == RefusalKind::Input && *refused.what() != '\0', "a refusal says why");
    return 0;
  }
  if (!file.problems.empty()) {
    for (const auto& problem : file.problems) Require(!problem.empty(), "every problem is said");
    return 0;
  }
  for (const ImportRow& row : file.rows) {
    Require(HasItemRecord(row.item), "every row names an item with a record");
    for (const Field field : AllFields) {
      const auto& given = row.given[static_cast<size_t>(field)];
      const bool wide = field == Field::Price || field == Field::Asm;
      Require(!given || wide || *given <= 0xFF, "every byte given fits its byte");
      Require(!given || field != Field::Asm || HasAsmEntry(row.item), "a pointer is given only where there is one");
    }
  }
  return 0;
}
