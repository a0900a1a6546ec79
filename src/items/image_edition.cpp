#include "items/image_edition.h"

#include <array>
#include <cassert>
#include <string>
#include <utility>

#include "rom_io/hex_functions.h"

namespace {

// The releases of these games for other regions: their game codes begin as
// the English ones do and end in the region's letter.
constexpr std::array<std::string_view, 4> kReleaseCodeStarts{"AAU", "AAX", "BXT", "BYT"};
constexpr std::array<std::pair<char, std::string_view>, 6> kOtherRegions{{
    {'J', "Japanese"},
    {'D', "German"},
    {'F', "French"},
    {'I', "Italian"},
    {'S', "Spanish"},
    {'K', "Korean"},
}};

// The region of another release's game code, or empty.
std::string_view OtherRegion(std::string_view gameCode) {
  if (gameCode.size() != GameCodeLength) return {};
  bool release = false;
  for (std::string_view start : kReleaseCodeStarts) release = release || gameCode.starts_with(start);
  if (!release) return {};
  for (const auto& [letter, region] : kOtherRegions) {
    if (gameCode.back() == letter) return region;
  }
  return {};
}

const Edition* EditionByTitle(std::string_view versionByte) {
  for (const Edition& edition : EditionTable) {
    if (edition.byte == versionByte) return &edition;
  }
  return nullptr;
}

const Edition* EditionByCode(std::string_view gameCode) {
  for (const Edition& edition : EditionTable) {
    for (std::string_view code : edition.gameCodes) {
      if (!code.empty() && code == gameCode) return &edition;
    }
  }
  return nullptr;
}

HeaderVerdict Verdict(const HeaderEdition& header) {
  if (!OtherRegion(header.gameCode).empty()) return HeaderVerdict::OtherRegion;
  if (header.byTitle != nullptr && header.byCode != nullptr) {
    return header.byTitle == header.byCode ? HeaderVerdict::Release : HeaderVerdict::EditionsDiffer;
  }
  if (header.byTitle != nullptr) return HeaderVerdict::OwnGameCode;
  return header.byCode != nullptr ? HeaderVerdict::OwnTitle : HeaderVerdict::NoEdition;
}

}  // namespace

HeaderEdition RecogniseEdition(std::string_view versionByte, std::string_view gameCode) {
  HeaderEdition header;
  header.byTitle = EditionByTitle(versionByte);
  header.byCode = EditionByCode(gameCode);
  header.gameCode = gameCode;
  header.verdict = Verdict(header);
  const bool opens = header.verdict == HeaderVerdict::Release || header.verdict == HeaderVerdict::OwnTitle ||
                     header.verdict == HeaderVerdict::OwnGameCode;
  // Where the two name an edition, they name the same one.
  if (opens) header.edition = header.byTitle != nullptr ? header.byTitle : header.byCode;
  return header;
}

const Edition* FindEdition(std::string_view versionByte, std::string_view gameCode) {
  return RecogniseEdition(versionByte, gameCode).edition;
}

HeaderEdition HeaderOfImage(std::span<const uint8_t> rom) {
  const auto editionByte = static_cast<size_t>(EditionByteOffset);
  const auto codeStart = static_cast<size_t>(GameCodeOffset);
  if (rom.size() < codeStart + GameCodeLength) return {};
  const std::string gameCode(rom.begin() + static_cast<std::ptrdiff_t>(codeStart),
                             rom.begin() + static_cast<std::ptrdiff_t>(codeStart + GameCodeLength));
  return RecogniseEdition(HexFunctions::ByteToHex(rom[editionByte]), gameCode);
}

const Edition* EditionOfImage(std::span<const uint8_t> rom) { return HeaderOfImage(rom).edition; }

// Only a game code that names an edition or a region is quoted: any other
// may hold bytes that print as nothing.
std::string DescribeHeader(const HeaderEdition& header) {
  switch (header.verdict) {
    case HeaderVerdict::Release:
    case HeaderVerdict::NoEdition:
      return {};
    case HeaderVerdict::OwnTitle:
      return "the title is not the release's; the game code " + header.gameCode + " names " +
             std::string(header.byCode->label);
    case HeaderVerdict::OwnGameCode:
      return "the game code is not the release's; the title names " + std::string(header.byTitle->label);
    case HeaderVerdict::EditionsDiffer:
      return "the title names " + std::string(header.byTitle->label) + ", but the game code " + header.gameCode +
             " names " + std::string(header.byCode->label);
    case HeaderVerdict::OtherRegion:
      return "the game code " + header.gameCode + " is the " + std::string(OtherRegion(header.gameCode)) +
             " release's, whose text is encoded differently";
  }
  assert(false && "every verdict has its words");
  return {};
}

std::string EditionChoices() {
  std::string choices;
  for (size_t i = 0; i < EditionTable.size(); ++i) {
    choices += (i == 0 ? "" : i + 1 == EditionTable.size() ? " or " : ", ") + std::string(EditionTable[i].name);
  }
  return choices;
}
