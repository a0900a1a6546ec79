#include "rom_io/sha1.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Plain code, and the processor's instructions where this machine has them.
std::vector<Sha1Blocks> Implementations() {
  std::vector<Sha1Blocks> found{PortableSha1Blocks};
  if (InstructionSha1Blocks() != nullptr) found.push_back(InstructionSha1Blocks());
  return found;
}

std::string Digest(Sha1Blocks blocks, const std::vector<uint8_t>& bytes) {
  Sha1 sha1(blocks);
  sha1.Update(bytes.data(), bytes.size());
  return sha1.HexDigest();
}

TEST(Sha1, KnownDigests) {
  for (const Sha1Blocks blocks : Implementations()) {
    EXPECT_EQ(Digest(blocks, {}), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(Digest(blocks, Bytes("abc")), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(Digest(blocks, Bytes("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
    EXPECT_EQ(Digest(blocks, std::vector<uint8_t>(1'000'000, 'a')), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
  }
}

// The padding takes one block or two depending on the tail's length.
TEST(Sha1, LengthsAroundTheBlockEdges) {
  const struct {
    size_t length;
    const char* digest;
  } cases[] = {
      {55, "c1c8bbdc22796e28c0e15163d20899b65621d65a"},  {56, "c2db330f6083854c99d4b5bfb6e8f29f201be699"},
      {63, "03f09f5b158a7a8cdad920bddc29b81c18a551f5"},  {64, "0098ba824b5c16427bd7a1122a5a442a25ec644d"},
      {65, "11655326c708d70319be2610e8a57d9a5b959d3b"},  {119, "ee971065aaa017e0632a8ca6c77bb3bf8b1dfc56"},
      {120, "f34c1488385346a55709ba056ddd08280dd4c6d6"},
  };
  for (const Sha1Blocks blocks : Implementations()) {
    for (const auto& c : cases) EXPECT_EQ(Digest(blocks, std::vector<uint8_t>(c.length, 'a')), c.digest) << c.length;
  }
}

TEST(Sha1, PiecesOfAnySizeGiveTheDigestOfTheWhole) {
  std::vector<uint8_t> bytes(1000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
  for (size_t piece : {size_t{1}, size_t{63}, size_t{64}, size_t{65}, size_t{999}}) {
    Sha1 sha1;
    for (size_t at = 0; at < bytes.size(); at += piece)
      sha1.Update(bytes.data() + at, std::min(piece, bytes.size() - at));
    EXPECT_EQ(sha1.HexDigest(), Sha1Hex(bytes)) << piece;
  }
}

}  // namespace
