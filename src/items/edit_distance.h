#pragma once

#include <cstddef>
#include <string_view>

// How many letters must be added, dropped or changed to turn one text into
// the other, the case of ASCII letters aside: how close a mistyped name is.
size_t EditDistance(std::string_view a, std::string_view b);
