#include "rom_builder.h"

#include "rom_io/rom_header.h"

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

RomBuilder& RomBuilder::WithHeaderChecksum() { return WithByte(HeaderChecksumOffset, HeaderChecksum(bytes_)); }

RomBuilder& RomBuilder::WithEditionByte(uint8_t value) { return WithByte(EditionByteOffset, value); }

RomBuilder& RomBuilder::WithGameCode(std::string_view code) {
  for (size_t i = 0; i < code.size(); ++i) WithByte(GameCodeOffset + i, static_cast<uint8_t>(code[i]));
  return *this;
}

RomBuilder& RomBuilder::WithEdition(const Edition& edition) {
  const auto byte = static_cast<uint8_t>(std::stoi(std::string(edition.byte), nullptr, 16));
  return WithEditionByte(byte).WithGameCode(edition.gameCodes[0]);
}

RomBuilder& RomBuilder::WithRecord(const Edition& edition, int item, const std::array<uint8_t, 7>& record) {
  const auto start = static_cast<size_t>(RecordAddress(edition.itemTableBase, item));
  for (size_t i = 0; i < record.size(); ++i) WithByte(start + i, record[i]);
  return *this;
}

RomBuilder& RomBuilder::WithAsmEntry(const Edition& edition, int item, uint8_t first, uint8_t second) {
  const auto start = static_cast<size_t>(AsmEntryAddress(edition.asmTableBase, item));
  return WithByte(start, first).WithByte(start + 1, second);
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
