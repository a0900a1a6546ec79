#include "forms/form_description.h"

#include <algorithm>
#include <cassert>

const ControlDescription& FindControl(const FormDescription& form, std::string_view name, int index) {
  const auto found = std::find_if(form.controls.begin(), form.controls.end(), [&](const ControlDescription& control) {
    return control.name == name && control.index == index;
  });
  assert(found != form.controls.end() && "the design has no such control");
  return *found;
}

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::TypingList || kind == ControlKind::ChoiceList ||
         kind == ControlKind::Button;
}

std::vector<const ControlDescription*> TabOrder(const FormDescription& form) {
  std::vector<const ControlDescription*> order;
  order.reserve(form.controls.size());
  for (const ControlDescription& control : form.controls) {
    if (TakesFocus(control.kind)) order.push_back(&control);
  }
  std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  return order;
}
