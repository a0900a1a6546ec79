#include "items/use_names.h"

#include <map>
#include <string>

#include "items/item_field_name_table.h"

namespace {

// The words of each flag, and of a byte with neither.
const std::map<std::string_view, std::string_view> FlagWords{
    {"CANT_SELECT", "Can't select"},
    {"CANT_TOSS", "Can't toss"},
    {"NO_LIMITS", "None"},
    {"CANT_SELECT | CANT_TOSS", "Can't select, can't toss"}};

NamedValues MakeUseNames() {
  std::vector<NamedValue> values{
      {std::string(NoUseFlags.name), std::string(FlagWords.at(NoUseFlags.name)), NoUseFlags.value}};
  for (const NamedByteFact& flag : UseFlagTable) {
    values.push_back({std::string(flag.name), std::string(FlagWords.at(flag.name)), flag.value});
  }
  // Both flags, in the order the disassemblies write them.
  const std::string both = values[1].name + " | " + values[2].name;
  values.push_back({both, std::string(FlagWords.at(both)), static_cast<uint16_t>(values[1].value | values[2].value)});
  return {std::move(values), "", 2};
}

}  // namespace

const NamedValues& UseNames() {
  static const NamedValues names = MakeUseNames();
  return names;
}
