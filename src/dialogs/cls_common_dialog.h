#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "dialogs/open_file_name_record.h"
#include "dialogs/platform_file_dialog.h"

// Shows the platform's open-file and save-file dialogs and returns the chosen
// path as text, or empty text when none was chosen.
//
// The request record is a member, not a local of one call: what one call sets
// and what the platform writes back stay in it for the next call on the same
// object. So the filter pair the user picked last is the one selected at
// first next time, and a ShowOpen after a ShowSave still offers ".gpl" as the
// default extension.
class clsCommonDialog {
 public:
  explicit clsCommonDialog(std::shared_ptr<PlatformFileDialog> platform);

  // Starts in InitDir or, when it is empty, at the path the last ShowOpen on
  // this object returned. The path comes back without leading or trailing
  // spaces.
  std::string ShowOpen(intptr_t hwnd, const std::string& Title, const std::string& InitDir = "",
                       const std::string& Filter = "All Files (*.*)|*.*|", int32_t flags = 6148);
  // Proposes FileName, at most 128 characters: a longer one throws
  // std::invalid_argument before anything is changed or shown.
  std::string ShowSave(intptr_t hwnd, const std::string& Title, const std::string& FileName = "",
                       const std::string& InitDir = "", const std::string& Filter = "", int32_t flags = 6146);

  // Why the last call produced no path although it was not cancelled;
  // None after a cancel or a chosen path.
  DialogFailure LastFailure() const { return LastFailure_; }
  // The longest path that ShowOpen can return.
  static constexpr unsigned MaxOpenPathChars = 254;

  // The 1-based filter pair selected when a dialog last produced a path.
  int32_t FilterIndex() const { return LastFilterIndex_; }

  const OpenFileNameRecord& DialogRecord() const { return DialogRecord_; }
  const std::string& LastFileName() const { return LastFileName_; }

 private:
  void SetCommonFields(intptr_t hwnd, const std::string& Title, const std::string& Filter, int32_t flags);

  std::shared_ptr<PlatformFileDialog> platform_;
  OpenFileNameRecord DialogRecord_;
  std::string LastFileName_;
  int32_t LastFilterIndex_ = 0;
  DialogFailure LastFailure_ = DialogFailure::None;
};
