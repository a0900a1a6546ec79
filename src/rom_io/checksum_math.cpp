#include "rom_io/checksum_math.h"

uint16_t Sum16(uint16_t sum, const uint8_t* bytes, size_t count) {
  for (size_t i = 0; i < count; ++i) sum = static_cast<uint16_t>(sum + bytes[i]);
  return sum;
}

uint16_t Crc16(uint16_t crc, const uint8_t* bytes, size_t count) {
  constexpr uint16_t polynomial = 0xC387;
  for (size_t i = 0; i < count; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = static_cast<uint16_t>((crc >> 1) ^ ((crc & 1) != 0 ? polynomial : 0));
  }
  return crc;
}
