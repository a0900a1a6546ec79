#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/platform_file_dialog.h"

// What the stand-in for the platform's file dialogs answers, and what it
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

  int32_t GetOpenFileName(OpenFileNameRecord& record) override { return Answer(record); }
  // A save dialog answers from the same script.
  int32_t GetSaveFileName(OpenFileNameRecord& record) override { return Answer(record); }
  DialogFailure LastFailure() const override { return failure_; }

 private:
  int32_t Answer(OpenFileNameRecord& record) {
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

  DialogScript& script_;
  DialogFailure failure_ = DialogFailure::None;
};
