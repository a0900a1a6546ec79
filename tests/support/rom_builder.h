#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "items/edition_table.h"
#include "rom_io/checksum_fix.h"
#include "rom_io/rom_bytes.h"

// Builds synthetic ROM images, so that no test writes offsets by hand.
class RomBuilder {
 public:
  static constexpr size_t TwoMiB = 2 * 1024 * 1024;

  // `size` bytes of repeatable noise from `seed`.
  explicit RomBuilder(size_t size = TwoMiB, uint32_t seed = 1);

  // Sets the edition byte and the first of the edition's game codes, and
  // lays the game's code that leads to the item tables and names where the
  // clean game has it (WithTableCode).
  RomBuilder& WithEdition(const Edition& edition);
  // The runs of code through which the tables, names and descriptions are
  // found, at the clean game's places, leading to the clean game's tables
  // and to its item names and descriptions, which it writes too when the
  // image is long enough.
  RomBuilder& WithTableCode(const Edition& edition);
  // Moves a table: the code is pointed at `offset`, where WithRecord and
  // WithAsmEntry then write. The attribute table may go to any bank; the
  // pointer table stays in the bank of its code.
  RomBuilder& WithItemTableAt(const Edition& edition, int32_t offset);
  RomBuilder& WithPointerTableAt(const Edition& edition, int32_t offset);
  // Writes `names` (item 1 first, in the games' text) where the name list
  // code leads, and after them the entry "?" that the games keep there.
  RomBuilder& WithItemNames(const Edition& edition, const std::vector<std::string>& names);
  // The routine that prints a description, in the edition's form, at `at`,
  // leading to the clean game's table.
  RomBuilder& WithDescriptionCode(const Edition& edition, size_t at);
  // Lays `texts` one after another where the clean game's descriptions
  // start, and the table of the items' addresses: item i gets
  // texts[textOf[i - 1]].
  RomBuilder& WithDescriptionTexts(const Edition& edition, const std::vector<std::string>& texts,
                                   const std::vector<size_t>& textOf);
  // The clean game's descriptions as the games lay them out: items 1 to 190
  // each with a text of its own, the unused items above 190 with a "?" each,
  // and the other items above 190 sharing the first of those.
  RomBuilder& WithDescriptions(const Edition& edition, const std::vector<std::string>& descriptions);
  RomBuilder& WithEditionByte(uint8_t value);
  RomBuilder& WithGameCode(std::string_view code);
  RomBuilder& WithRecord(const Edition& edition, int item, const std::array<uint8_t, 7>& record);
  RomBuilder& WithAsmEntry(const Edition& edition, int item, uint8_t first, uint8_t second);
  RomBuilder& WithByte(size_t offset, uint8_t value);
  // Every byte becomes its offset modulo `modulus`.
  RomBuilder& WithCountingBytes(uint32_t modulus);
  // The opening texts of the Stadium checksum blocks that `edition` carries,
  // so that the tool keeps them current.
  RomBuilder& WithStadiumBlockOpenings(const Edition& edition);
  // Makes the header checksum at 0x14D fit the header as it now stands.
  RomBuilder& WithHeaderChecksum();

  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  void WriteTo(const std::filesystem::path& path) const;

 private:
  std::vector<uint8_t> bytes_;
  // Where the code leads, once it is laid; the edition's places until then.
  std::optional<int32_t> itemTable_, pointerTable_;
};

// Where the clean game keeps the code that leads to its tables and names.
struct TableCodePlaces {
  size_t attributeCode, itemUseCode, nameListCode, nameLists, names;
  size_t descriptionCode, descriptionTable, descriptionTexts;
};
const TableCodePlaces& CleanTableCodePlaces(const Edition& edition);

// The clean game's 255 item names in its own text.
std::vector<std::string> CleanRomItemNames(const Edition& edition);
// The clean game's descriptions of items 1 to 190.
std::vector<std::string> CleanRomDescriptions(const Edition& edition);
// The bytes of the clean game's descriptions, from the first text to the end
// of the last: the descriptions' room.
size_t CleanDescriptionRoomSize(const Edition& edition);

// A folder of its own for one test, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::filesystem::path Path(std::string_view name) const { return root_ / name; }
  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path root_;
};

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
// The same bytes in the memory that whole ROMs are read into.
RomBytes Image(const std::vector<uint8_t>& bytes);

// fix-checksum's steps on the file at `path`: read whole through a handle
// open for update, then fixed through that handle.
ChecksumFix FixChecksumsOfFile(const std::filesystem::path& path, StadiumBlocks blocks);
void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// Offsets at which two byte images differ; every offset past the shorter one counts.
std::vector<size_t> DifferingOffsets(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b);
