#include "cli/rom_header.h"

#include <array>
#include <utility>

#include "cli/cli_error.h"
#include "cli/file_access.h"
#include "rom_io/hex_functions.h"

namespace {

// English releases whose item tables lie where the editor looks for them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kKnownDumps{{
    {"d8b8a3600a465308c9953dfa04f0081c05bdcb94", "Gold"},
    {"49b163f7e57702bc939d642a18f591de55d92dae", "Silver"},
    {"f4cd194bdee0d04ca4eac29e09b8e4e9d818c133", "Crystal 1.0"},
    {"f2f52230b536214ef7c9924f483392993e226cfb", "Crystal 1.1"},
    {"a0fc810f1d4e124434f7be2c989ab5b5892ddf36", "Crystal (Australia)"},
}};

constexpr size_t HeaderChecksumStart = 0x134;

std::string TitleText(const std::vector<uint8_t>& rom) {
  std::string title;
  for (size_t at = TitleOffset; at < TitleOffset + TitleLength; ++at) {
    const uint8_t byte = rom[at];
    title +=
        byte >= 0x20 && byte < 0x7F ? std::string(1, static_cast<char>(byte)) : "\\x" + HexFunctions::ByteToHex(byte);
  }
  return title;
}

// The boot ROM's check: x = x - byte - 1 over 0x134 to 0x14C.
uint8_t HeaderChecksum(const std::vector<uint8_t>& rom) {
  uint8_t sum = 0;
  for (size_t at = HeaderChecksumStart; at < HeaderChecksumOffset; ++at) sum = static_cast<uint8_t>(sum - rom[at] - 1);
  return sum;
}

}  // namespace

std::vector<uint8_t> ReadRomImage(const std::string& path) {
  const std::string text = ReadTextFile(path);
  std::vector<uint8_t> rom(text.begin(), text.end());
  if (rom.size() < HeaderEnd) {
    throw InvalidInput(Quoted(path) + " is too short to hold a cartridge header (" + std::to_string(rom.size()) +
                       " bytes).");
  }
  return rom;
}

HeaderFacts ReadHeader(const std::vector<uint8_t>& rom) {
  HeaderFacts facts;
  facts.title = TitleText(rom);
  facts.headerStored = rom[HeaderChecksumOffset];
  facts.headerComputed = HeaderChecksum(rom);
  facts.globalStored = static_cast<uint16_t>(rom[GlobalChecksumOffset] << 8 | rom[GlobalChecksumOffset + 1]);
  facts.globalComputed = GlobalChecksum(rom);
  return facts;
}

uint16_t GlobalChecksum(const std::vector<uint8_t>& rom) {
  uint16_t sum = 0;
  for (size_t at = 0; at < rom.size(); ++at) {
    if (at != GlobalChecksumOffset && at != GlobalChecksumOffset + 1) sum = static_cast<uint16_t>(sum + rom[at]);
  }
  return sum;
}

std::string ChecksumText(uint16_t value) {
  return "0x" + HexFunctions::ByteToHex(static_cast<uint8_t>(value >> 8)) +
         HexFunctions::ByteToHex(static_cast<uint8_t>(value & 0xFF));
}

std::string ChecksumText(uint8_t value) { return "0x" + HexFunctions::ByteToHex(value); }

std::optional<std::string_view> KnownDumpName(std::string_view sha1Hex) {
  for (const auto& [sha1, name] : kKnownDumps) {
    if (sha1 == sha1Hex) return name;
  }
  return std::nullopt;
}
