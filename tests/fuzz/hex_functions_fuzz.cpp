// Any text through the hex routines: reversal is its own inverse, and a write
// never changes the file's length or a byte outside the range it was given.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_file.h"
#include "rom_io/hex_functions.h"

using namespace HexFunctions;

namespace {

constexpr size_t kFileSize = 64;

void CheckReverse(const std::string& text) {
  const std::string padded = text.size() % 2 ? "0" + text : text;
  const std::string reversed = ReverseHexBytes(text);
  Require(reversed.size() == padded.size(), "reversal keeps the length");
  Require(ReverseHexBytes(reversed) == padded, "reversal is its own inverse");
}

void CheckWriteAndRead(const FuzzFile& file, int32_t offset, int32_t count, const std::string& text) {
  std::vector<uint8_t> before(kFileSize);
  for (size_t i = 0; i < kFileSize; ++i) before[i] = static_cast<uint8_t>(i * 37);
  file.Reset(before);

  const size_t pairs = (text.size() + 1) / 2;
  const int32_t written = WriteHexBytes(file.Path(), offset, text);
  const auto after = file.Bytes();
  Require(after.size() == kFileSize, "a write never changes the file's length");
  Require(written >= 0 && static_cast<size_t>(written) <= pairs, "a write reports no more bytes than it was given");
  for (size_t i = 0; i < kFileSize; ++i) {
    const auto at = static_cast<int64_t>(i);
    const bool inRange = at >= offset && at < static_cast<int64_t>(offset) + static_cast<int64_t>(pairs);
    Require(inRange || after[i] == before[i], "bytes outside the written range never change");
  }
  Require(ReadHexBytes(file.Path(), offset, count).size() == 2 * static_cast<size_t>(std::max(count, 0)),
          "a read gives two digits for every byte asked for");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFile file;
  FuzzedDataProvider input(data, size);
  const auto offset = input.ConsumeIntegralInRange<int32_t>(-8, kFileSize + 8);
  const auto count = input.ConsumeIntegralInRange<int32_t>(-4, 80);
  const std::string text = input.ConsumeRemainingBytesAsString();
  CheckReverse(text);
  if (text.size() <= 2 * (kFileSize + 16)) CheckWriteAndRead(file, offset, count, text);
  return 0;
}
