#pragma once

#include <string>
#include <string_view>
#include <vector>

// What to say when the command given is none of `commands`: the nearest one
// by spelling ("exprot" -> "export"), or the whole list when none is near.
std::string UnknownCommandMessage(std::string_view given, const std::vector<std::string>& commands);
