#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The cartridge header's facts: title, game code and both checksums, stored
// and computed, with the file's size and SHA-1. A file is read once, in
// pieces, so that its size does not matter.

inline constexpr size_t TitleOffset = 0x134;
inline constexpr size_t TitleLength = 11;
inline constexpr size_t HeaderGameCodeOffset = 0x13F;
inline constexpr size_t HeaderGameCodeLength = 4;
inline constexpr size_t RomSizeOffset = 0x148;
inline constexpr size_t HeaderChecksumStart = 0x134;
inline constexpr size_t HeaderChecksumOffset = 0x14D;
inline constexpr size_t GlobalChecksumOffset = 0x14E;
inline constexpr size_t HeaderEnd = 0x150;
// The smallest cartridge: two 16 KiB banks.
inline constexpr uint64_t SmallestRomSize = 0x8000;
// The largest Game Boy cartridge; a larger file is no ROM image and is not searched.
inline constexpr int64_t LargestRomSize = int64_t{8} * 1024 * 1024;

struct HeaderFacts {
  std::vector<uint8_t> header;  // the first HeaderEnd bytes
  uint64_t size = 0;
  uint8_t headerStored = 0, headerComputed = 0;
  uint16_t globalStored = 0, globalComputed = 0;
  std::string sha1;

  // Printable characters as they are, others as \xNN; trailing NULs left out.
  std::string Title() const;
  std::string GameCode() const;
  // A Game Boy ROM image is at least two banks long and its header checks.
  enum class ImageProblem { None, TooSmall, HeaderChecksum };
  ImageProblem GameBoyImageProblem() const {
    if (size < SmallestRomSize) return ImageProblem::TooSmall;
    return headerStored == headerComputed ? ImageProblem::None : ImageProblem::HeaderChecksum;
  }
};

enum class RomScanProblem { None, CannotRead, TooShortForHeader };
struct RomScan {
  std::optional<HeaderFacts> facts;
  RomScanProblem problem = RomScanProblem::None;
  std::error_code cause;  // the system's reason when the file cannot be read
};

// Reads the file at `path` once, front to back, in constant memory.
RomScan ScanRom(const std::string& path);
// The same through a file already open, from where it stands to its end.
RomScan ScanRom(std::FILE* file);

// The same facts of a whole image in memory, which holds at least HeaderEnd bytes.
HeaderFacts ReadHeader(std::span<const uint8_t> rom);
// Only what the header bytes and the size give: the computed global
// checksum and the SHA-1, which take a pass over the whole image, stay unset.
HeaderFacts ReadHeaderBytes(std::span<const uint8_t> rom);

// The ROM size that the header of `rom` gives by its byte at 0x148: the
// smallest cartridge shifted left by the byte's value. None when `rom` ends
// before that byte or the byte names no cartridge up to the largest: such a
// byte tells nothing of the file's length.
std::optional<int64_t> HeaderRomSize(std::span<const uint8_t> rom);
// Whether `rom`, the whole of a file, holds fewer bytes than its header
// gives. The game's banks run to that size, so a copy that ends sooner has
// lost some of them; a longer file keeps them all.
bool IsCutShort(std::span<const uint8_t> rom);

// The boot ROM's check: x = x - byte - 1 over 0x134 to 0x14C.
uint8_t HeaderChecksum(std::span<const uint8_t> rom);

// The sum of every byte but the two checksum bytes themselves, big-endian
// in the file.
uint16_t GlobalChecksum(std::span<const uint8_t> rom);

// "0x1A2B"
std::string ChecksumText(uint16_t value);
std::string ChecksumText(uint8_t value);

// The name of a known clean dump with this SHA-1, if it is one.
std::optional<std::string_view> KnownDumpName(std::string_view sha1Hex);
