#include "rom_io/sha1.h"

#include <algorithm>

namespace {

constexpr size_t kBlockSize = 64;
constexpr size_t kLengthField = 8;

constexpr uint32_t RotateLeft(uint32_t value, int bits) { return value << bits | value >> (32 - bits); }

}  // namespace

void Sha1::Block(const uint8_t* block) {
  std::array<uint32_t, 80> w{};
  for (size_t i = 0; i < 16; ++i) {
    w[i] = static_cast<uint32_t>(block[4 * i]) << 24 | static_cast<uint32_t>(block[4 * i + 1]) << 16 |
           static_cast<uint32_t>(block[4 * i + 2]) << 8 | static_cast<uint32_t>(block[4 * i + 3]);
  }
  for (size_t i = 16; i < 80; ++i) w[i] = RotateLeft(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);

  uint32_t a = h_[0], b = h_[1], c = h_[2], d = h_[3], e = h_[4];
  const auto round = [&](size_t i, uint32_t f, uint32_t k) {
    const uint32_t next = RotateLeft(a, 5) + f + e + k + w[i];
    e = d, d = c, c = RotateLeft(b, 30), b = a, a = next;
  };
  // Four loops of twenty rounds, so that no round asks which function it uses.
  for (size_t i = 0; i < 20; ++i) round(i, (b & c) | (~b & d), 0x5A827999);
  for (size_t i = 20; i < 40; ++i) round(i, b ^ c ^ d, 0x6ED9EBA1);
  for (size_t i = 40; i < 60; ++i) round(i, (b & c) | (b & d) | (c & d), 0x8F1BBCDC);
  for (size_t i = 60; i < 80; ++i) round(i, b ^ c ^ d, 0xCA62C1D6);
  h_[0] += a, h_[1] += b, h_[2] += c, h_[3] += d, h_[4] += e;
}

void Sha1::Update(const uint8_t* bytes, size_t count) {
  length_ += count;
  if (pendingSize_ > 0) {
    const size_t taken = std::min(count, kBlockSize - pendingSize_);
    std::copy(bytes, bytes + taken, pending_.begin() + static_cast<std::ptrdiff_t>(pendingSize_));
    pendingSize_ += taken;
    bytes += taken;
    count -= taken;
    if (pendingSize_ < kBlockSize) return;
    Block(pending_.data());
    pendingSize_ = 0;
  }
  // Whole blocks straight from the caller's bytes, without a copy.
  for (; count >= kBlockSize; bytes += kBlockSize, count -= kBlockSize) Block(bytes);
  std::copy(bytes, bytes + count, pending_.begin());
  pendingSize_ = count;
}

// The tail: the 0x80 marker, zeros and the bit length, big-endian, filling
// one or two blocks.
std::string Sha1::HexDigest() {
  const uint64_t bits = length_ * 8;
  const uint8_t marker = 0x80;
  Update(&marker, 1);
  const uint8_t zero = 0;
  while (pendingSize_ != kBlockSize - kLengthField) Update(&zero, 1);
  for (int shift = 56; shift >= 0; shift -= 8) {
    const auto byte = static_cast<uint8_t>(bits >> shift);
    Update(&byte, 1);
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (uint32_t word : h_) {
    for (int shift = 28; shift >= 0; shift -= 4) hex += kDigits[word >> shift & 0xF];
  }
  return hex;
}

std::string Sha1Hex(const std::vector<uint8_t>& bytes) {
  Sha1 sha1;
  sha1.Update(bytes.data(), bytes.size());
  return sha1.HexDigest();
}
