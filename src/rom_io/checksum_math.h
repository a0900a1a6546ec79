#pragma once

#include <cstddef>
#include <cstdint>

// The two running checks that the games' checksums are built from. Each
// continues from the value it is given, so a file can be fed in pieces.

// Bytes added up in 16 bits, wrapping.
uint16_t Sum16(uint16_t sum, const uint8_t* bytes, size_t count);

// The reflected CRC with polynomial 0xC387 and no final XOR: for each byte,
// crc ^= byte, then eight times crc = (crc >> 1) ^ (crc & 1 ? 0xC387 : 0).
uint16_t Crc16(uint16_t crc, const uint8_t* bytes, size_t count);
