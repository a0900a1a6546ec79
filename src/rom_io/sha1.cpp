#include "rom_io/sha1.h"

#include <algorithm>

namespace {

constexpr size_t kBlockSize = 64;
constexpr size_t kLengthField = 8;

constexpr uint32_t RotateLeft(uint32_t value, int bits) { return value << bits | value >> (32 - bits); }

using Schedule = std::array<uint32_t, 16>;

// Round I. The schedule is kept as its last sixteen words, each made just
// before its round; the five working words stay where they are and the
// caller names them in turn, so no round copies a word along. Every index
// is known at compile time, so the rounds unroll into straight code.
template <size_t I, typename Function>
void Round(uint32_t a, uint32_t& b, uint32_t c, uint32_t d, uint32_t& e, Schedule& w, uint32_t k, Function f) {
  if constexpr (I >= 16) w[I % 16] = RotateLeft(w[(I - 3) % 16] ^ w[(I - 8) % 16] ^ w[(I - 14) % 16] ^ w[I % 16], 1);
  e += RotateLeft(a, 5) + f(b, c, d) + k + w[I % 16];
  b = RotateLeft(b, 30);
}

// After five rounds the words are back in their places.
template <size_t I, typename Function>
void FiveRounds(std::array<uint32_t, 5>& v, Schedule& w, uint32_t k, Function f) {
  auto& [a, b, c, d, e] = v;
  Round<I>(a, b, c, d, e, w, k, f);
  Round<I + 1>(e, a, b, c, d, w, k, f);
  Round<I + 2>(d, e, a, b, c, w, k, f);
  Round<I + 3>(c, d, e, a, b, w, k, f);
  Round<I + 4>(b, c, d, e, a, w, k, f);
}

template <size_t I, typename Function>
void TwentyRounds(std::array<uint32_t, 5>& v, Schedule& w, uint32_t k, Function f) {
  FiveRounds<I>(v, w, k, f);
  FiveRounds<I + 5>(v, w, k, f);
  FiveRounds<I + 10>(v, w, k, f);
  FiveRounds<I + 15>(v, w, k, f);
}

void PortableBlock(uint32_t* state, const uint8_t* block) {
  Schedule w;
  for (size_t i = 0; i < w.size(); ++i) {
    w[i] = static_cast<uint32_t>(block[4 * i]) << 24 | static_cast<uint32_t>(block[4 * i + 1]) << 16 |
           static_cast<uint32_t>(block[4 * i + 2]) << 8 | static_cast<uint32_t>(block[4 * i + 3]);
  }
  const auto parity = [](uint32_t b, uint32_t c, uint32_t d) { return b ^ c ^ d; };
  std::array<uint32_t, 5> v{state[0], state[1], state[2], state[3], state[4]};
  TwentyRounds<0>(v, w, 0x5A827999, [](uint32_t b, uint32_t c, uint32_t d) { return d ^ (b & (c ^ d)); });
  TwentyRounds<20>(v, w, 0x6ED9EBA1, parity);
  TwentyRounds<40>(v, w, 0x8F1BBCDC, [](uint32_t b, uint32_t c, uint32_t d) { return (b & c) | (d & (b | c)); });
  TwentyRounds<60>(v, w, 0xCA62C1D6, parity);
  for (size_t i = 0; i < v.size(); ++i) state[i] += v[i];
}

}  // namespace

void PortableSha1Blocks(uint32_t* state, const uint8_t* blocks, size_t count) {
  for (; count > 0; --count, blocks += kBlockSize) PortableBlock(state, blocks);
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
    blocks_(h_.data(), pending_.data(), 1);
    pendingSize_ = 0;
  }
  // Whole blocks straight from the caller's bytes, without a copy.
  blocks_(h_.data(), bytes, count / kBlockSize);
  bytes += count / kBlockSize * kBlockSize;
  count %= kBlockSize;
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

std::string Sha1Hex(std::span<const uint8_t> bytes) {
  Sha1 sha1;
  sha1.Update(bytes.data(), bytes.size());
  return sha1.HexDigest();
}
