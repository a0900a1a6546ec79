// The floor of `diff`: read two ROMs of one edition whose tables lie where
// the clean game has them and print the number of each item whose record or
// item-use pointer differs.
#include <algorithm>
#include <cstdio>

#include "cli_floors/floor_input.h"
#include "items/edition_table.h"

namespace {

bool Differs(const RomBytes& a, const RomBytes& b, int32_t offset, int32_t count) {
  return !std::equal(a.begin() + offset, a.begin() + offset + count, b.begin() + offset);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ROM OTHER_ROM\n", argv[0]);
    return 2;
  }
  const RomBytes a = ReadWholeFileOrExit(argv[1]);
  const RomBytes b = ReadWholeFileOrExit(argv[2]);
  const Edition* found = EditionOf(a);
  if (found == nullptr) return 2;
  const Edition& edition = *found;
  const auto tablesEnd = static_cast<size_t>(std::max(RecordAddress(edition.itemTableBase, LastItem + 1),
                                                      AsmEntryAddress(edition.asmTableBase, LastItemWithAsm + 1)));
  if (a.size() < tablesEnd || b.size() < tablesEnd) return 2;
  int differences = 0;
  for (int item = 1; item <= LastItem; ++item) {
    const bool differs =
        Differs(a, b, RecordAddress(edition.itemTableBase, item), ItemRecordSize) ||
        (HasAsmEntry(item) && Differs(a, b, AsmEntryAddress(edition.asmTableBase, item), AsmEntrySize));
    if (differs) std::printf("%d\n", item);
    differences += differs ? 1 : 0;
  }
  return differences > 0 ? 1 : 0;
}
