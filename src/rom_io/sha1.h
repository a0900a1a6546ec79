#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// SHA-1, the digest by which ROM dumps are catalogued. Fed in pieces of any
// size, so that a file of any length is digested in constant memory.
class Sha1 {
 public:
  void Update(const uint8_t* bytes, size_t count);
  // 40 lower-case hex digits of everything fed so far; ends the digest.
  std::string HexDigest();

 private:
  void Block(const uint8_t* block);

  std::array<uint32_t, 5> h_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
  std::array<uint8_t, 64> pending_{};
  size_t pendingSize_ = 0;
  uint64_t length_ = 0;
};

// The digest of `bytes` as 40 lower-case hex digits.
std::string Sha1Hex(const std::vector<uint8_t>& bytes);
