#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// A run of the games' machine code with some bytes left open, written as the
// ROM research writes it: "21 LL HH 4F .. 3E BB", two hex digits a byte,
// ".." for any byte, LL and HH for an address stored low byte first and BB
// for a bank number. The operands are open bytes too: a ROM hack that moves
// a table keeps the code and changes only them. A bank given more than once
// must be the same bank at each place.
class CodePattern {
 public:
  explicit CodePattern(std::string_view text);

  // How often the pattern occurs in `rom`, counted up to two, and where it
  // occurs first.
  struct Occurrences {
    int count = 0;  // 0, 1, or 2 for twice or more
    size_t first = 0;
  };
  Occurrences Search(std::span<const uint8_t> rom) const;
  // Where the pattern occurs in `rom`, when it occurs there exactly once.
  std::optional<size_t> FindOnce(std::span<const uint8_t> rom) const;

  // How many bytes the run of code takes.
  size_t Size() const { return bytes_.size(); }
  // The operands of the occurrence at `at`.
  uint16_t Address(std::span<const uint8_t> rom, size_t at) const;
  uint8_t Bank(std::span<const uint8_t> rom, size_t at) const;

 private:
  bool MatchesAt(std::span<const uint8_t> rom, size_t at) const;
  // The first place from `from` to before `end` where a run could start,
  // judged by its anchor's first bytes; `anchors` points at the anchor of a
  // run starting at the file's first byte. `end` when there is none.
  size_t NextCandidate(const uint8_t* anchors, size_t from, size_t end) const;

  std::vector<int> bytes_;  // -1 where any byte will do
  static constexpr size_t NoOperand = SIZE_MAX;
  size_t low_ = NoOperand, high_ = NoOperand;
  std::vector<size_t> banks_;
  // The longest run of fixed bytes, which the search looks for first.
  std::vector<uint8_t> anchor_;
  size_t anchorStart_ = 0;
  size_t anchorSecond_ = 0;  // the anchor's second byte, or its only one
};
