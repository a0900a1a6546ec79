#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "items/edition_table.h"

// How the cartridge header names the edition. A release names it twice: by
// the edition byte of its title and by its game code. Published hacks change
// one of the two and keep the other; the game's code then decides, as for
// every ROM, whether their items can be read.
enum class HeaderVerdict {
  Release,         // both name the edition
  OwnTitle,        // only the game code names one
  OwnGameCode,     // only the title names one
  NoEdition,       // neither does
  EditionsDiffer,  // they name two
  OtherRegion,     // the game code is a release for another region, whose text is encoded differently
};

struct HeaderEdition {
  HeaderVerdict verdict = HeaderVerdict::NoEdition;
  const Edition* edition = nullptr;  // what the ROM opens as; null when it does not open
  const Edition* byTitle = nullptr;
  const Edition* byCode = nullptr;
  std::string gameCode;
};

// `versionByte` is the edition byte as two hex digits, `gameCode` the
// header's four bytes as they stand.
HeaderEdition RecogniseEdition(std::string_view versionByte, std::string_view gameCode);
const Edition* FindEdition(std::string_view versionByte, std::string_view gameCode);

// The same for the header of `rom`, a whole file in memory; no edition when
// the file is too short.
HeaderEdition HeaderOfImage(std::span<const uint8_t> rom);
const Edition* EditionOfImage(std::span<const uint8_t> rom);

// Which header field is not the release's, or why the header keeps the ROM
// from opening, as a clause ("the game code is not the release's; ...");
// empty for a release's header and for one that names no edition.
std::string DescribeHeader(const HeaderEdition& header);

// "Gold, Silver or Crystal": the names that --edition and an import's
// edition column take.
std::string EditionChoices();
