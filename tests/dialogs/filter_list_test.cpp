#include "dialogs/filter_list.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using FilterList::FilterPair;

namespace {

TEST(FilterList, BarsBecomeNulsAndTheListEndsWithOne) {
  const std::pair<std::string, std::string> cases[] = {
      {"GBC ROMs (*.gbc)|*.gbc", "GBC ROMs (*.gbc)\0*.gbc\0"s},
      {"All Files (*.*)|*.*|", "All Files (*.*)\0*.*\0"s},
      {"", "\0"s},
      {"|", "\0"s},
      {"A|a||B|b", "A\0a\0\0B\0b\0"s},
      {"A||", "A\0\0"s},
  };
  for (const auto& [filter, platform] : cases) EXPECT_EQ(FilterList::ToPlatform(filter), platform) << filter;
}

TEST(FilterList, ThePlatformReadsPairsUpToTheFirstEmptyPart) {
  const std::pair<std::string, std::vector<FilterPair>> cases[] = {
      {"GBC ROMs (*.gbc)\0*.gbc\0"s, {{"GBC ROMs (*.gbc)", "*.gbc"}}},
      {"A\0a;b\0B\0b"s, {{"A", "a;b"}, {"B", "b"}}},
      {"A\0a\0\0B\0b\0"s, {{"A", "a"}}},
      {"A\0a\0B\0"s, {{"A", "a"}}},
      {"\0"s, {}},
      {"", {}},
  };
  for (const auto& [platform, pairs] : cases) EXPECT_EQ(FilterList::ReadPairs(platform), pairs) << platform;
}

}  // namespace
