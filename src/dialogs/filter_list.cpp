#include "dialogs/filter_list.h"

#include <algorithm>

namespace FilterList {

std::string ToPlatform(const std::string& Filter) {
  std::string converted = Filter;
  std::replace(converted.begin(), converted.end(), '|', '\0');
  if (converted.empty() || converted.back() != '\0') converted.push_back('\0');
  return converted;
}

std::vector<FilterPair> ReadPairs(const std::string& platformFilter) {
  std::vector<std::string> parts;
  for (size_t start = 0; start < platformFilter.size();) {
    const size_t end = std::min(platformFilter.find('\0', start), platformFilter.size());
    if (end == start) break;
    parts.push_back(platformFilter.substr(start, end - start));
    start = end + 1;
  }
  std::vector<FilterPair> pairs;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) pairs.push_back({parts[i], parts[i + 1]});
  return pairs;
}

}  // namespace FilterList
