#include "items/code_pattern.h"

#include <cassert>
#include <charconv>
#include <cstring>

namespace {

constexpr int AnyByte = -1;

}  // namespace

CodePattern::CodePattern(std::string_view text) {
  for (size_t at = 0; at + 2 <= text.size(); at += 3) {
    const std::string_view token = text.substr(at, 2);
    if (token == "LL") low_ = bytes_.size();
    if (token == "HH") high_ = bytes_.size();
    if (token == "BB") banks_.push_back(bytes_.size());
    // "BB" would read as a hex byte too.
    const bool open = token == ".." || token == "LL" || token == "HH" || token == "BB";
    unsigned value = 0;
    if (!open) std::from_chars(token.data(), token.data() + token.size(), value, 16);
    bytes_.push_back(open ? AnyByte : static_cast<int>(value));
  }
  size_t runStart = 0, anchorLength = 0;
  for (size_t i = 0; i <= bytes_.size(); ++i) {
    if (i < bytes_.size() && bytes_[i] != AnyByte) continue;
    if (i - runStart > anchorLength) {
      anchorStart_ = runStart;
      anchorLength = i - runStart;
    }
    runStart = i + 1;
  }
  assert(anchorLength > 0 && "a pattern needs at least one fixed byte");
  for (size_t i = 0; i < anchorLength; ++i) anchor_.push_back(static_cast<uint8_t>(bytes_[anchorStart_ + i]));
  anchorSecond_ = anchorLength > 1 ? 1 : 0;
}

bool CodePattern::MatchesAt(std::span<const uint8_t> rom, size_t at) const {
  for (size_t i = 0; i < bytes_.size(); ++i) {
    if (bytes_[i] != AnyByte && bytes_[i] != rom[at + i]) return false;
  }
  for (const size_t bank : banks_) {
    if (rom[at + bank] != rom[at + banks_.front()]) return false;
  }
  return true;
}

// Sixty-four places at a time are tested for the anchor's first two bytes,
// which turn away nearly every place at once; the few left are compared whole.
size_t CodePattern::NextCandidate(const uint8_t* anchors, size_t from, size_t end) const {
  using Lanes = uint8_t __attribute__((vector_size(16)));
  constexpr size_t lanes = sizeof(Lanes), block = 4 * lanes;
  const Lanes first = Lanes{} + anchor_[0];
  const Lanes second = Lanes{} + anchor_[anchorSecond_];
  for (; from + block <= end; from += block) {
    Lanes hits{};
    for (size_t at = from; at < from + block; at += lanes) {
      Lanes here, next;
      std::memcpy(&here, anchors + at, lanes);
      std::memcpy(&next, anchors + at + anchorSecond_, lanes);
      hits |= (here == first) & (next == second);
    }
    uint64_t halves[2];
    std::memcpy(halves, &hits, lanes);
    if ((halves[0] | halves[1]) != 0) break;
  }
  for (; from < end; ++from) {
    if (anchors[from] == anchor_[0] && anchors[from + anchorSecond_] == anchor_[anchorSecond_]) return from;
  }
  return end;
}

CodePattern::Occurrences CodePattern::Search(std::span<const uint8_t> rom) const {
  Occurrences found;
  if (rom.size() < bytes_.size()) return found;
  // A run may start anywhere up to the last place that holds it whole.
  const size_t end = rom.size() - bytes_.size() + 1;
  const uint8_t* const anchors = rom.data() + anchorStart_;
  for (size_t start = NextCandidate(anchors, 0, end); start < end; start = NextCandidate(anchors, start + 1, end)) {
    if (std::memcmp(anchors + start, anchor_.data(), anchor_.size()) != 0 || !MatchesAt(rom, start)) continue;
    if (++found.count == 2) return found;
    found.first = start;
  }
  return found;
}

std::optional<size_t> CodePattern::FindOnce(std::span<const uint8_t> rom) const {
  const Occurrences found = Search(rom);
  if (found.count != 1) return std::nullopt;
  return found.first;
}

uint16_t CodePattern::Address(std::span<const uint8_t> rom, size_t at) const {
  assert(low_ != NoOperand && high_ != NoOperand && "the pattern has an address operand");
  return static_cast<uint16_t>(rom[at + low_] | rom[at + high_] << 8);
}

uint8_t CodePattern::Bank(std::span<const uint8_t> rom, size_t at) const {
  assert(!banks_.empty() && "the pattern has a bank operand");
  return rom[at + banks_.front()];
}
