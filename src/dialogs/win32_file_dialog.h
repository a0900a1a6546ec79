#pragma once

#include <cstdint>

#include "dialogs/platform_file_dialog.h"

// The Windows common dialogs, called with the single-byte request record.
// Compiled on Windows only.
class Win32FileDialog : public PlatformFileDialog {
 public:
  int32_t GetOpenFileName(OpenFileNameRecord& record) override;
  int32_t GetSaveFileName(OpenFileNameRecord& record) override;
  DialogFailure LastFailure() const override { return failure_; }

 private:
  DialogFailure failure_ = DialogFailure::None;
};
