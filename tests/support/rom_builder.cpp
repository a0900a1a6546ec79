#include "rom_builder.h"

#include "clean_item_descriptions.h"
#include "items/description_texts.h"
#include "items/game_text.h"
#include "items/item_table_finder.h"
#include "items/name_list_texts.h"
#include "rom_io/file_image.h"
#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"
#include "rom_io/rom_header.h"
#include "rom_io/stadium_checksums.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>

RomBuilder::RomBuilder(size_t size, uint32_t seed) : bytes_(size) {
  std::mt19937 random(seed);
  for (auto& byte : bytes_) byte = static_cast<uint8_t>(random());
}

RomBuilder& RomBuilder::WithByte(size_t offset, uint8_t value) {
  if (offset < bytes_.size()) bytes_[offset] = value;
  return *this;
}

RomBuilder& RomBuilder::WithCountingBytes(uint32_t modulus) {
  for (size_t at = 0; at < bytes_.size(); ++at) bytes_[at] = static_cast<uint8_t>(at % modulus);
  return *this;
}

RomBuilder& RomBuilder::WithStadiumBlockOpenings(const Edition& edition) {
  const auto text = [this](size_t offset, std::string_view opening) {
    for (size_t i = 0; i < opening.size(); ++i) WithByte(offset + i, static_cast<uint8_t>(opening[i]));
  };
  text(N64BlockOffset, "N64PS3");
  if (edition.stadiumBaseBlock) text(BaseBlockOffset, "base");
  return *this;
}

RomBuilder& RomBuilder::WithHeaderChecksum() { return WithByte(HeaderChecksumOffset, HeaderChecksum(bytes_)); }

RomBuilder& RomBuilder::WithEditionByte(uint8_t value) { return WithByte(EditionByteOffset, value); }

RomBuilder& RomBuilder::WithGameCode(std::string_view code) {
  for (size_t i = 0; i < code.size(); ++i) WithByte(GameCodeOffset + i, static_cast<uint8_t>(code[i]));
  return *this;
}

RomBuilder& RomBuilder::WithEdition(const Edition& edition) {
  const auto byte = static_cast<uint8_t>(std::stoi(std::string(edition.byte), nullptr, 16));
  return WithEditionByte(byte).WithGameCode(edition.gameCodes[0]).WithTableCode(edition);
}

namespace {

struct CodeBytes {
  std::vector<uint8_t> bytes;
  size_t low = 0;
  std::vector<size_t> banks;
};

// The code with its open bytes as zeros; where its operands stand.
CodeBytes Assemble(std::string_view pattern) {
  CodeBytes code;
  for (size_t at = 0; at + 2 <= pattern.size(); at += 3) {
    const std::string token(pattern.substr(at, 2));
    if (token == "LL") code.low = code.bytes.size();
    if (token == "BB") code.banks.push_back(code.bytes.size());
    const bool open = token == ".." || token == "LL" || token == "HH" || token == "BB";
    code.bytes.push_back(open ? 0 : static_cast<uint8_t>(std::stoi(token, nullptr, 16)));
  }
  return code;
}

struct DescriptionLayout {
  std::vector<std::string> texts;
  std::vector<size_t> textOf;
};

// Items 1 to 190 with a text each, then a "?" for each unused item above
// 190, the first of which the other items above 190 share.
DescriptionLayout CleanDescriptionLayout(const Edition& edition) {
  const std::vector<std::string> descriptions = CleanRomDescriptions(edition);
  DescriptionLayout layout{descriptions, {}};
  for (size_t i = 0; i < descriptions.size(); ++i) layout.textOf.push_back(i);
  std::vector<size_t> unused;
  for (int item = LastItemWithDescription + 1; item <= LastItem; ++item) {
    if ((*edition.texts.cleanItemNames)[static_cast<size_t>(item - 1)] != "TERU-SAMA") continue;
    unused.push_back(layout.texts.size());
    layout.texts.emplace_back("?");
  }
  const size_t shared = unused.front();
  for (int item = LastItemWithDescription + 1, next = 0; item <= LastItem; ++item) {
    const bool own = (*edition.texts.cleanItemNames)[static_cast<size_t>(item - 1)] == "TERU-SAMA";
    layout.textOf.push_back(own ? unused[static_cast<size_t>(next++)] : shared);
  }
  return layout;
}

std::vector<uint8_t> Encoded(std::string_view text) {
  const EncodedGameText encoded = EncodeGameText(text);
  if (!encoded.bytes) throw std::invalid_argument("no game text for " + std::string(text));
  return *encoded.bytes;
}

}  // namespace

RomBuilder& RomBuilder::WithTableCode(const Edition& edition) {
  const TableCodePlaces& places = CleanTableCodePlaces(edition);
  for (const auto& [pattern, at] :
       {std::pair{ItemAttributeCode, places.attributeCode}, std::pair{ItemUseCode, places.itemUseCode},
        std::pair{NameListCode, places.nameListCode}}) {
    const CodeBytes code = Assemble(pattern);
    for (size_t i = 0; i < code.bytes.size(); ++i) WithByte(static_cast<size_t>(at) + i, code.bytes[i]);
  }
  const auto lists = places.nameLists;
  WithByte(places.nameListCode + Assemble(NameListCode).low, static_cast<uint8_t>(lists & 0xFF));
  WithByte(places.nameListCode + Assemble(NameListCode).low + 1, static_cast<uint8_t>(lists >> 8));
  const uint16_t names = BankAddress(static_cast<int64_t>(places.names));
  WithByte(lists + 9, static_cast<uint8_t>(places.names / BankSize));
  WithByte(lists + 10, static_cast<uint8_t>(names & 0xFF)).WithByte(lists + 11, static_cast<uint8_t>(names >> 8));
  WithItemTableAt(edition, edition.itemTableBase).WithPointerTableAt(edition, edition.asmTableBase);
  if (bytes_.size() >= places.names + NameListEntries * (MaxItemNameBytes + 1)) {
    WithItemNames(edition, CleanRomItemNames(edition));
  }
  if (bytes_.size() >= places.descriptionTexts + CleanDescriptionRoomSize(edition)) {
    WithDescriptionCode(edition, places.descriptionCode).WithDescriptions(edition, CleanRomDescriptions(edition));
  }
  return *this;
}

RomBuilder& RomBuilder::WithDescriptionCode(const Edition& edition, size_t at) {
  const bool crystal = edition.name == "crystal";
  const CodeBytes code = Assemble(crystal ? CrystalDescriptionCode : GoldSilverDescriptionCode);
  for (size_t i = 0; i < code.bytes.size(); ++i) WithByte(at + i, code.bytes[i]);
  const auto table = static_cast<int64_t>(CleanTableCodePlaces(edition).descriptionTable);
  const uint16_t address = BankAddress(table);
  WithByte(at + code.low, static_cast<uint8_t>(address & 0xFF))
      .WithByte(at + code.low + 1, static_cast<uint8_t>(address >> 8));
  for (const size_t bank : code.banks) WithByte(at + bank, static_cast<uint8_t>(table / BankSize));
  return *this;
}

RomBuilder& RomBuilder::WithDescriptionTexts(const Edition& edition, const std::vector<std::string>& texts,
                                             const std::vector<size_t>& textOf) {
  const TableCodePlaces& places = CleanTableCodePlaces(edition);
  std::vector<uint16_t> addresses;
  size_t at = places.descriptionTexts;
  for (const std::string& text : texts) {
    addresses.push_back(BankAddress(static_cast<int64_t>(at)));
    for (const uint8_t byte : Encoded(text)) WithByte(at++, byte);
    WithByte(at++, TextEnd);
  }
  for (size_t item = 0; item < textOf.size(); ++item) {
    const uint16_t address = addresses[textOf[item]];
    WithByte(places.descriptionTable + 2 * item, static_cast<uint8_t>(address & 0xFF));
    WithByte(places.descriptionTable + 2 * item + 1, static_cast<uint8_t>(address >> 8));
  }
  return *this;
}

RomBuilder& RomBuilder::WithDescriptions(const Edition& edition, const std::vector<std::string>& descriptions) {
  DescriptionLayout layout = CleanDescriptionLayout(edition);
  std::copy(descriptions.begin(), descriptions.end(), layout.texts.begin());
  return WithDescriptionTexts(edition, layout.texts, layout.textOf);
}

RomBuilder& RomBuilder::WithItemTableAt(const Edition& edition, int32_t offset) {
  const auto at = CleanTableCodePlaces(edition).attributeCode;
  const CodeBytes code = Assemble(ItemAttributeCode);
  const uint16_t address = BankAddress(offset);
  WithByte(at + code.low, static_cast<uint8_t>(address & 0xFF))
      .WithByte(at + code.low + 1, static_cast<uint8_t>(address >> 8));
  WithByte(at + code.banks.front(), static_cast<uint8_t>(offset / BankSize));
  itemTable_ = offset;
  return *this;
}

RomBuilder& RomBuilder::WithPointerTableAt(const Edition& edition, int32_t offset) {
  const auto at = CleanTableCodePlaces(edition).itemUseCode;
  const uint16_t address = BankAddress(offset);
  const size_t low = at + Assemble(ItemUseCode).low;
  WithByte(low, static_cast<uint8_t>(address & 0xFF)).WithByte(low + 1, static_cast<uint8_t>(address >> 8));
  pointerTable_ = offset;
  return *this;
}

RomBuilder& RomBuilder::WithItemNames(const Edition& edition, const std::vector<std::string>& names) {
  size_t at = CleanTableCodePlaces(edition).names;
  for (const std::string& name : names) {
    for (const uint8_t byte : Encoded(name)) WithByte(at++, byte);
    WithByte(at++, TextEnd);
  }
  return WithByte(at, 0xE6).WithByte(at + 1, TextEnd);
}

RomBuilder& RomBuilder::WithRecord(const Edition& edition, int item, const std::array<uint8_t, 7>& record) {
  const auto start = static_cast<size_t>(RecordAddress(itemTable_.value_or(edition.itemTableBase), item));
  for (size_t i = 0; i < record.size(); ++i) WithByte(start + i, record[i]);
  return *this;
}

RomBuilder& RomBuilder::WithAsmEntry(const Edition& edition, int item, uint8_t first, uint8_t second) {
  const auto start = static_cast<size_t>(AsmEntryAddress(pointerTable_.value_or(edition.asmTableBase), item));
  return WithByte(start, first).WithByte(start + 1, second);
}

const TableCodePlaces& CleanTableCodePlaces(const Edition& edition) {
  // The texts stand where the edition table says the release keeps them.
  const auto at = [](const FileSpan& room) { return static_cast<size_t>(room.offset); };
  const ReleaseTexts& gs = GoldSilverTexts;
  static const TableCodePlaces gold{0xD46D,          0xE7B2,  0x3627,   0x35EE,
                                    at(gs.nameRoom), 0x2C019, 0x1B8000, at(gs.descriptionRoom)};
  static const TableCodePlaces silver{0xD46B,          0xE7B0,  0x3627,   0x35EE,
                                      at(gs.nameRoom), 0x2C019, 0x1B8000, at(gs.descriptionRoom)};
  static const TableCodePlaces crystal{
      0xD460, 0xE72E, 0x33E4, 0x33AB, at(CrystalTexts.nameRoom), 0x1C8973, 0x1C8987, at(CrystalTexts.descriptionRoom)};
  if (edition.name == "gold") return gold;
  return edition.name == "silver" ? silver : crystal;
}

std::vector<std::string> CleanRomItemNames(const Edition& edition) {
  return {edition.texts.cleanItemNames->begin(), edition.texts.cleanItemNames->end()};
}

std::vector<std::string> CleanRomDescriptions(const Edition& edition) {
  const auto& clean = edition.name == "crystal" ? CleanCrystalDescriptions : CleanGoldSilverDescriptions;
  return {clean.begin(), clean.end()};
}

size_t CleanDescriptionRoomSize(const Edition& edition) {
  size_t size = 0;
  for (const std::string& text : CleanDescriptionLayout(edition).texts) size += Encoded(text).size() + 1;
  return size;
}

void RomBuilder::WriteTo(const std::filesystem::path& path) const { WriteFileBytes(path, bytes_); }

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device entropy;
  root_ = std::filesystem::temp_directory_path() /
          ("kestrune-test-" + std::to_string(entropy()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(root_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Tests may leave read-only files or folders behind; make them removable.
  for (auto it = std::filesystem::recursive_directory_iterator(root_, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow, ignored);
  }
  std::filesystem::remove_all(root_, ignored);
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path.string());
  std::vector<uint8_t> bytes(std::filesystem::file_size(path));
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

std::vector<size_t> DifferingOffsets(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  std::vector<size_t> offsets;
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    if (a[i] != b[i]) offsets.push_back(i);
  }
  for (size_t i = common; i < std::max(a.size(), b.size()); ++i) offsets.push_back(i);
  return offsets;
}

RomBytes Image(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

ChecksumFix FixChecksumsOfFile(const std::filesystem::path& path, StadiumBlocks blocks) {
  const CFileHandle file(OpenCFile(path.string(), "r+b"));
  RomBytes rom;
  ChecksumFix failed;
  failed.error = file ? ReadRest(file.get(), rom) : LastFileError();
  return failed.error ? failed : FixChecksumsIn(file.get(), rom, blocks);
}
