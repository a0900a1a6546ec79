#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <span>

#include "rom_io/sha1_blocks.h"

// SHA-1, the digest by which ROM dumps are catalogued. Fed in pieces of any
// size, so that a file of any length is digested in constant memory.
class Sha1 {
 public:
  explicit Sha1(Sha1Blocks blocks = FastestSha1Blocks()) : blocks_(blocks) {}

  void Update(const uint8_t* bytes, size_t count);
  // 40 lower-case hex digits of everything fed so far; ends the digest.
  std::string HexDigest();

 private:
  Sha1Blocks blocks_;

  std::array<uint32_t, 5> h_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
  std::array<uint8_t, 64> pending_{};
  size_t pendingSize_ = 0;
  uint64_t length_ = 0;
};

// The digest of `bytes` as 40 lower-case hex digits.
std::string Sha1Hex(std::span<const uint8_t> bytes);
