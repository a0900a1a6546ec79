#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialogs/platform_file_dialog.h"

// Stands in for the platform's dialogs: keeps a copy of the record each call
// hands over and answers with `reply`, which may write into the record as the
// platform would. By default the user cancels.
class RecordingPlatformDialog : public PlatformFileDialog {
 public:
  struct Call {
    bool save;
    OpenFileNameRecord record;
  };

  std::vector<Call> calls;
  std::function<int32_t(OpenFileNameRecord&)> reply = [](OpenFileNameRecord&) { return 0; };
  DialogFailure failure = DialogFailure::None;  // reported after a zero reply

  int32_t GetOpenFileName(OpenFileNameRecord& record) override { return Answer(false, record); }
  int32_t GetSaveFileName(OpenFileNameRecord& record) override { return Answer(true, record); }

  DialogFailure LastFailure() const override { return failure; }

  const OpenFileNameRecord& Last() const { return calls.back().record; }

  // The user chooses `path` with the filter pair `filterIndex` selected: the
  // path is written over the start of the file buffer, ended by a NUL.
  void Choose(const std::string& path, uint32_t filterIndex) {
    reply = [=](OpenFileNameRecord& record) {
      record.lpstrFile->replace(0, path.size() + 1, path.c_str(), path.size() + 1);
      record.nFilterIndex = filterIndex;
      return 1;
    };
  }

 private:
  int32_t Answer(bool save, OpenFileNameRecord& record) {
    calls.push_back({save, record});
    return reply(record);
  }
};
