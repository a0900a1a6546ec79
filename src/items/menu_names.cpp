#include "items/menu_names.h"

#include <map>
#include <string>

#include "items/item_field_name_table.h"

namespace {

const std::map<std::string_view, std::string_view> ActionWords{{"ITEMMENU_NOUSE", "No use"},
                                                               {"ITEMMENU_CURRENT", "Current"},
                                                               {"ITEMMENU_PARTY", "Party"},
                                                               {"ITEMMENU_CLOSE", "Close"}};

NamedValues MakeMenuNames() {
  std::vector<NamedValue> values;
  values.reserve(MenuActionTable.size());
  for (const NamedByteFact& action : MenuActionTable) {
    values.push_back({std::string(action.name), std::string(ActionWords.at(action.name)), action.value});
  }
  return {std::move(values), "ITEMMENU_", 1};
}

}  // namespace

const NamedValues& MenuNames() {
  static const NamedValues names = MakeMenuNames();
  return names;
}
