#include "rom_io/checksum_math.h"

#include <array>

namespace {

constexpr uint16_t Polynomial = 0xC387;

// The CRC of each byte value alone, so that a byte costs one look-up
// rather than eight shifts.
constexpr std::array<uint16_t, 256> CrcTable = [] {
  std::array<uint16_t, 256> table{};
  for (unsigned value = 0; value < table.size(); ++value) {
    auto crc = static_cast<uint16_t>(value);
    for (int bit = 0; bit < 8; ++bit) crc = static_cast<uint16_t>((crc >> 1) ^ ((crc & 1) != 0 ? Polynomial : 0));
    table[value] = crc;
  }
  return table;
}();

}  // namespace

// Added up in 32 bits, which the compiler can do many bytes at a time;
// wrapping at 2^32 keeps the low 16 bits right.
uint16_t Sum16(uint16_t sum, const uint8_t* bytes, size_t count) {
  uint32_t total = sum;
  for (size_t i = 0; i < count; ++i) total += bytes[i];
  return static_cast<uint16_t>(total);
}

uint16_t Crc16(uint16_t crc, const uint8_t* bytes, size_t count) {
  for (size_t i = 0; i < count; ++i) crc = static_cast<uint16_t>((crc >> 8) ^ CrcTable[(crc ^ bytes[i]) & 0xFF]);
  return crc;
}
