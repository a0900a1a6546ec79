#include "rom_io/sha1_blocks.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))

#include <cpuid.h>
#include <immintrin.h>

#include <utility>

#define KESTRUNE_SHA_TARGET __attribute__((target("sha,ssse3,sse4.1")))

namespace {

// The message words are big-endian; the lanes hold them last word first.
KESTRUNE_SHA_TARGET __m128i LoadWords(const uint8_t* bytes) {
  const __m128i reverse = _mm_set_epi64x(0x0001020304050607, 0x08090A0B0C0D0E0F);
  return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)), reverse);
}

// Rounds 4G to 4G + 3. `w` keeps the schedule's last four groups of words,
// `previous` the state four rounds back, from which the next E is made.
template <int G>
KESTRUNE_SHA_TARGET void FourRounds(__m128i& abcd, __m128i& e, __m128i& previous, __m128i (&w)[4]) {
  if constexpr (G >= 4) {
    w[G % 4] = _mm_sha1msg2_epu32(
        _mm_xor_si128(_mm_sha1msg1_epu32(w[G % 4], w[(G + 1) % 4]), w[(G + 2) % 4]), w[(G + 3) % 4]);
  }
  if constexpr (G == 0) {
    e = _mm_add_epi32(e, w[0]);
  } else {
    e = _mm_sha1nexte_epu32(previous, w[G % 4]);
  }
  previous = abcd;
  abcd = _mm_sha1rnds4_epu32(abcd, e, G / 5);
}

template <int... G>
KESTRUNE_SHA_TARGET void EightyRounds(__m128i& abcd, __m128i& e, __m128i& previous, __m128i (&w)[4],
                                      std::integer_sequence<int, G...>) {
  (FourRounds<G>(abcd, e, previous, w), ...);
}

KESTRUNE_SHA_TARGET void ShaExtensionBlocks(uint32_t* state, const uint8_t* blocks, size_t count) {
  __m128i abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
  __m128i e = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
  for (; count > 0; --count, blocks += 64) {
    const __m128i abcdBefore = abcd, eBefore = e;
    __m128i w[4] = {LoadWords(blocks), LoadWords(blocks + 16), LoadWords(blocks + 32), LoadWords(blocks + 48)};
    __m128i previous;
    EightyRounds(abcd, e, previous, w, std::make_integer_sequence<int, 20>{});
    e = _mm_sha1nexte_epu32(previous, eBefore);
    abcd = _mm_add_epi32(abcd, abcdBefore);
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1B));
  state[4] = static_cast<uint32_t>(_mm_extract_epi32(e, 3));
}

bool HasShaExtensions() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (__get_cpuid(1, &a, &b, &c, &d) == 0 || (c & bit_SSSE3) == 0 || (c & bit_SSE4_1) == 0) return false;
  return __get_cpuid_count(7, 0, &a, &b, &c, &d) != 0 && (b & bit_SHA) != 0;
}

}  // namespace

Sha1Blocks InstructionSha1Blocks() { return HasShaExtensions() ? ShaExtensionBlocks : nullptr; }

#else

Sha1Blocks InstructionSha1Blocks() { return nullptr; }

#endif

Sha1Blocks FastestSha1Blocks() {
  static const Sha1Blocks fastest = InstructionSha1Blocks() != nullptr ? InstructionSha1Blocks() : PortableSha1Blocks;
  return fastest;
}
