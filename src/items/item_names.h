#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t ItemCount = 256;
inline constexpr std::size_t PocketCount = 5;

// The item list, index 0 to 255: an entry's index is its item number.
extern const std::array<std::string_view, ItemCount> ItemNames;

// The pocket list; an index is the value of the item's pocket byte.
extern const std::array<std::string_view, PocketCount> PocketNames;

// The entry that stands for a pocket byte past the list's five: the byte
// itself, "(A5)", which fits the narrow list.
std::string UnknownPocketEntry(int16_t value);
