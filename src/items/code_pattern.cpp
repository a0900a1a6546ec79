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
    if (token == "BB") bank_ = bytes_.size();
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
  return true;
}

// memchr finds the anchor's first byte quickly however the program was
// built; its second byte, checked in place, turns most of those away before
// a call compares the rest.
std::optional<size_t> CodePattern::FindOnce(std::span<const uint8_t> rom) const {
  if (rom.size() < bytes_.size()) return std::nullopt;
  std::optional<size_t> found;
  // Where the anchor of the last whole run the file can hold begins.
  const uint8_t* const last = rom.data() + (rom.size() - bytes_.size()) + anchorStart_;
  for (const uint8_t* at = rom.data() + anchorStart_; at <= last; ++at) {
    at = static_cast<const uint8_t*>(std::memchr(at, anchor_[0], static_cast<size_t>(last - at) + 1));
    if (at == nullptr) break;
    const size_t start = static_cast<size_t>(at - rom.data()) - anchorStart_;
    if (at[anchorSecond_] != anchor_[anchorSecond_] || std::memcmp(at, anchor_.data(), anchor_.size()) != 0 ||
        !MatchesAt(rom, start)) {
      continue;
    }
    if (found) return std::nullopt;
    found = start;
  }
  return found;
}

uint16_t CodePattern::Address(std::span<const uint8_t> rom, size_t at) const {
  assert(low_ != NoOperand && high_ != NoOperand && "the pattern has an address operand");
  return static_cast<uint16_t>(rom[at + low_] | rom[at + high_] << 8);
}

uint8_t CodePattern::Bank(std::span<const uint8_t> rom, size_t at) const {
  assert(bank_ != NoOperand && "the pattern has a bank operand");
  return rom[at + bank_];
}
