#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The SHA-1 digest of `bytes` as 40 lower-case hex digits, the form in which
// ROM dumps are catalogued.
std::string Sha1Hex(const std::vector<uint8_t>& bytes);
