#include "cli/sha1.h"

#include <array>

namespace {

constexpr uint32_t RotateLeft(uint32_t value, int bits) { return value << bits | value >> (32 - bits); }

class Sha1 {
 public:
  void Block(const uint8_t* block) {
    std::array<uint32_t, 80> w{};
    for (size_t i = 0; i < 16; ++i) {
      w[i] = static_cast<uint32_t>(block[4 * i]) << 24 | static_cast<uint32_t>(block[4 * i + 1]) << 16 |
             static_cast<uint32_t>(block[4 * i + 2]) << 8 | static_cast<uint32_t>(block[4 * i + 3]);
    }
    for (size_t i = 16; i < 80; ++i) w[i] = RotateLeft(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);

    uint32_t a = h_[0], b = h_[1], c = h_[2], d = h_[3], e = h_[4];
    for (size_t i = 0; i < 80; ++i) {
      uint32_t f = 0, k = 0;
      if (i < 20) {
        f = (b & c) | (~b & d), k = 0x5A827999;
      } else if (i < 40) {
        f = b ^ c ^ d, k = 0x6ED9EBA1;
      } else if (i < 60) {
        f = (b & c) | (b & d) | (c & d), k = 0x8F1BBCDC;
      } else {
        f = b ^ c ^ d, k = 0xCA62C1D6;
      }
      const uint32_t next = RotateLeft(a, 5) + f + e + k + w[i];
      e = d, d = c, c = RotateLeft(b, 30), b = a, a = next;
    }
    h_[0] += a, h_[1] += b, h_[2] += c, h_[3] += d, h_[4] += e;
  }

  std::string Hex() const {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (uint32_t word : h_) {
      for (int shift = 28; shift >= 0; shift -= 4) hex += kDigits[word >> shift & 0xF];
    }
    return hex;
  }

 private:
  std::array<uint32_t, 5> h_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
};

// The message's tail: its last partial block, the 0x80 marker, zeros and the
// bit length, big-endian, filling one or two blocks.
std::vector<uint8_t> Tail(const std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> tail(bytes.end() - static_cast<std::ptrdiff_t>(bytes.size() % 64), bytes.end());
  tail.push_back(0x80);
  while (tail.size() % 64 != 56) tail.push_back(0);
  const uint64_t bits = static_cast<uint64_t>(bytes.size()) * 8;
  for (int shift = 56; shift >= 0; shift -= 8) tail.push_back(static_cast<uint8_t>(bits >> shift));
  return tail;
}

}  // namespace

std::string Sha1Hex(const std::vector<uint8_t>& bytes) {
  Sha1 sha1;
  const size_t whole = bytes.size() - bytes.size() % 64;
  for (size_t at = 0; at < whole; at += 64) sha1.Block(bytes.data() + at);
  const std::vector<uint8_t> tail = Tail(bytes);
  for (size_t at = 0; at < tail.size(); at += 64) sha1.Block(tail.data() + at);
  return sha1.Hex();
}
