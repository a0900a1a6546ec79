#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The cartridge header's facts that the info and fix-checksum commands
// report: title and both checksums, stored and computed.

inline constexpr size_t TitleOffset = 0x134;
inline constexpr size_t TitleLength = 16;
inline constexpr size_t HeaderChecksumOffset = 0x14D;
inline constexpr size_t GlobalChecksumOffset = 0x14E;
inline constexpr size_t HeaderEnd = 0x150;

struct HeaderFacts {
  std::string title;  // printable characters as they are, others as \xNN
  uint8_t headerStored = 0, headerComputed = 0;
  uint16_t globalStored = 0, globalComputed = 0;
};

// The whole file; throws a CliError when it cannot be read or is too short
// to hold a cartridge header.
std::vector<uint8_t> ReadRomImage(const std::string& path);

// `rom` must hold at least HeaderEnd bytes.
HeaderFacts ReadHeader(const std::vector<uint8_t>& rom);

// The sum of every byte but the two checksum bytes themselves, big-endian
// in the file.
uint16_t GlobalChecksum(const std::vector<uint8_t>& rom);

// "0x1A2B"
std::string ChecksumText(uint16_t value);
std::string ChecksumText(uint8_t value);

// The name of a known clean dump with this SHA-1, if it is one.
std::optional<std::string_view> KnownDumpName(std::string_view sha1Hex);
