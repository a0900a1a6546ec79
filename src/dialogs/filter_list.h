#pragma once

#include <string>
#include <vector>

// The list of file types that a dialog offers. Callers write it as pairs of
// description and pattern, each part followed by "|" ("GBC ROMs
// (*.gbc)|*.gbc|", the very last "|" may be left out); the platform reads it
// with NULs in place of the bars and an empty part ending the list.
namespace FilterList {

struct FilterPair {
  std::string description;
  std::string pattern;  // one or more patterns separated by ";"

  bool operator==(const FilterPair&) const = default;
};

// Every "|" becomes a NUL and the text is ended by a NUL, so that, with the
// terminating NUL that the platform's string gets, the list ends with two.
// An empty filter becomes a single NUL: an empty list.
std::string ToPlatform(const std::string& Filter);

// The pairs the platform sees in a NUL-separated list: they end at the first
// empty part, and a description without its pattern is dropped.
std::vector<FilterPair> ReadPairs(const std::string& platformFilter);

}  // namespace FilterList
