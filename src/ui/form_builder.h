#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <string_view>

#include "forms/form_description.h"

// Builds a window's controls from its design, in the order of creation, each
// named after its design name and placed in its container. Frames that the
// design disables start disabled; text boxes take at most their maximum
// length; text boxes and lists take their frame's caption as their
// accessible name.
class FormControls {
 public:
  FormControls(const FormDescription& form, QWidget* client);

  template <typename T>
  T* get(std::string_view name) const {
    return qobject_cast<T*>(controls_.at(name));
  }
  // The controls that take the focus, in the design's tab order.
  std::vector<QWidget*> tabOrder() const;

 private:
  QWidget* create(const ControlDescription& control, QWidget* container) const;

  const FormDescription& form_;
  std::map<std::string_view, QWidget*> controls_;  // lines, which share a name, are left out
};
