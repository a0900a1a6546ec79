#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/platform_file_dialog.h"
#include "ui/editor.h"

// What the stand-in for the platform's open-file dialog answers, and what it
// was asked. Each Open builds a fresh dialog object; they all share this.
struct DialogScript {
  std::deque<std::string> answers;  // chosen paths, in order; "" cancels
  DialogFailure failure = DialogFailure::None;  // why an empty answer was no cancel
  std::vector<OpenFileNameRecord> requests;
};

// Answers like the platform does: the chosen path at the start of the file
// buffer, ended by a NUL.
class FakeFileDialog : public PlatformFileDialog {
 public:
  explicit FakeFileDialog(DialogScript& script) : script_(script) {}

  int32_t GetOpenFileName(OpenFileNameRecord& record) override {
    script_.requests.push_back(record);
    failure_ = script_.failure;
    if (script_.answers.empty()) return 0;
    const std::string path = script_.answers.front();
    script_.answers.pop_front();
    if (path.empty()) return 0;
    failure_ = DialogFailure::None;
    std::string buffer = record.lpstrFile.value_or("");
    buffer.replace(0, std::min(buffer.size(), path.size() + 1), path + '\0');
    record.lpstrFile = buffer;
    record.nFilterIndex = 1;
    return 1;
  }

  int32_t GetSaveFileName(OpenFileNameRecord&) override { return 0; }
  DialogFailure LastFailure() const override { return failure_; }

 private:
  DialogScript& script_;
  DialogFailure failure_ = DialogFailure::None;
};

inline Editor::DialogSource ScriptedDialogs(DialogScript& script) {
  return [&script] { return std::make_shared<FakeFileDialog>(script); };
}
