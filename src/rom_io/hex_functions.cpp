#include "rom_io/hex_functions.h"

#include <fstream>
#include <optional>

#include "rom_io/file_path.h"
#include "rom_io/rom_file.h"

namespace HexFunctions {
namespace {

std::optional<uint8_t> HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
  return std::nullopt;
}

std::optional<uint8_t> PairToByte(char high, char low) {
  const auto h = HexDigitValue(high);
  const auto l = HexDigitValue(low);
  if (!h || !l) return std::nullopt;
  return static_cast<uint8_t>(*h << 4 | *l);
}

void PadToEvenLength(std::string& hexText) {
  if (hexText.size() % 2 != 0) hexText.insert(hexText.begin(), '0');
}

}  // namespace

std::string ByteToHex(uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::string ReadHexBytes(const std::string& path, int32_t offset, int32_t count) {
  std::string result;
  if (count <= 0) return result;
  result.reserve(static_cast<size_t>(count) * 2);

  const int64_t size = RegularFileSize(path).value_or(0);
  std::ifstream file;
  // Unbuffered, so that each byte costs one small read and not a block of the file.
  file.rdbuf()->pubsetbuf(nullptr, 0);
  if (size > 0) file.open(FilePath(path), std::ios::binary);

  uint8_t held = 0;
  const int64_t last = static_cast<int64_t>(offset) + count - 1;
  for (int64_t at = offset; at <= last; ++at) {
    if (file.is_open() && at >= 0 && at < size) {
      file.clear();
      file.seekg(at);
      char byte = 0;
      if (file.get(byte)) held = static_cast<uint8_t>(byte);
    }
    result += ByteToHex(held);
  }
  return result;
}

int32_t WriteHexBytes(const std::string& path, int32_t offset, std::string hexText) {
  PadToEvenLength(hexText);
  uint8_t held = 0;
  int32_t written = 0;
  for (size_t pair = 0; pair < hexText.size(); pair += 2) {
    if (const auto byte = PairToByte(hexText[pair], hexText[pair + 1])) held = *byte;
    const int64_t at = static_cast<int64_t>(offset) + static_cast<int64_t>(pair / 2);
    if (WriteOneByte(path, at, held)) ++written;
  }
  return written;
}

std::string ReverseHexBytes(std::string hexText) {
  PadToEvenLength(hexText);
  std::string result;
  result.reserve(hexText.size());
  for (size_t end = hexText.size(); end >= 2; end -= 2) result.append(hexText, end - 2, 2);
  return result;
}

}  // namespace HexFunctions
