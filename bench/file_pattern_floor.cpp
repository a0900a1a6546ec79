#include "file_pattern_floor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <numeric>
#include <span>
#include <vector>

namespace FileFloor {
namespace {

constexpr int32_t ItemTableSize = LastItem * ItemRecordSize;
constexpr int32_t AsmTableSize = LastItemWithAsm * AsmEntrySize;

int Sum(std::span<const uint8_t> bytes) { return std::accumulate(bytes.begin(), bytes.end(), 0); }

bool MayOpen(const std::string& path, TypeCheck check) {
  struct stat status {};
  return check == TypeCheck::None || (stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode));
}

int ReadCycle(const std::string& path, int64_t offset, std::span<uint8_t> into, TypeCheck check) {
  if (!MayOpen(path, check)) return 0;
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return 0;
  const ssize_t got = pread(file, into.data(), into.size(), offset);
  close(file);
  return got > 0 ? Sum(into.first(static_cast<size_t>(got))) : 0;
}

int WriteCycle(const std::string& path, int64_t offset, uint8_t value, TypeCheck check) {
  if (!MayOpen(path, check)) return 0;
  const int file = open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (file < 0) return 0;
  const ssize_t put = pwrite(file, &value, 1, offset);
  close(file);
  return put == 1 ? 1 : 0;
}

int Read(const std::string& path, int64_t offset, int32_t count, TypeCheck check) {
  std::array<uint8_t, AsmEntrySize> bytes{};
  return ReadCycle(path, offset, std::span(bytes).first(static_cast<size_t>(count)), check);
}

int Checks(const std::string& path, int openFlags, TypeCheck check) {
  if (!MayOpen(path, check)) return 0;
  const int file = open(path.c_str(), openFlags | O_CLOEXEC);
  if (file >= 0) close(file);
  std::array<uint8_t, GameCodeLength> code{};
  return Read(path, EditionByteOffset, 1, check) + ReadCycle(path, GameCodeOffset, code, check) +
         ReadWholeFile(path);
}

}  // namespace

int ReadWholeFile(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return 0;
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return 0;
  std::vector<uint8_t> bytes(static_cast<size_t>(status.st_size));
  const ssize_t got = read(file, bytes.data(), bytes.size());
  close(file);
  return got > 0 ? bytes[static_cast<size_t>(got) - 1] : 0;
}

int LoadItem(const std::string& path, const Edition& edition, int item, TypeCheck check) {
  const int64_t record = RecordAddress(edition.itemTableBase, item);
  int sum = Checks(path, O_RDONLY, check);
  sum += Read(path, record + RecordByte::Price, 2, check);
  for (const int32_t field : {RecordByte::Effect, RecordByte::Variable, RecordByte::Options, RecordByte::Pocket,
                              RecordByte::How}) {
    sum += Read(path, record + field, 1, check);
  }
  return sum + Read(path, AsmEntryAddress(edition.asmTableBase, item), AsmEntrySize, check);
}

int SaveItem(const std::string& path, const Edition& edition, int item, TypeCheck check) {
  Checks(path, O_RDWR, check);
  const int64_t record = RecordAddress(edition.itemTableBase, item);
  int written = 0;
  for (int32_t at = 0; at < ItemRecordSize; ++at) written += WriteCycle(path, record + at, 0, check);
  if (!HasAsmEntry(item)) return written;
  const int64_t entry = AsmEntryAddress(edition.asmTableBase, item);
  for (int32_t at = 0; at < AsmEntrySize; ++at) written += WriteCycle(path, entry + at, 0, check);
  return written;
}

int ReadItemTables(const std::string& path, const Edition& edition) {
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return 0;
  std::array<uint8_t, ItemTableSize> items{};
  std::array<uint8_t, AsmTableSize> pointers{};
  const bool read = pread(file, items.data(), items.size(), RecordAddress(edition.itemTableBase, 1)) == ItemTableSize &&
                    pread(file, pointers.data(), pointers.size(), edition.asmTableBase) == AsmTableSize;
  close(file);
  return read ? Sum(items) + Sum(pointers) : 0;
}

}  // namespace FileFloor
