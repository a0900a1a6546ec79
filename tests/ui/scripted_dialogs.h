#pragma once

#include <memory>

#include "fake_file_dialog.h"
#include "ui/editor.h"

inline DialogSource ScriptedDialogs(DialogScript& script) {
  return [&script] { return std::make_shared<FakeFileDialog>(script); };
}
