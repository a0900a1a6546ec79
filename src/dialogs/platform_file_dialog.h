#pragma once

#include <cstdint>

#include "dialogs/dialog_failure.h"
#include "dialogs/open_file_name_record.h"

// The platform's open-file and save-file dialogs, as clsCommonDialog sees
// them: each takes the request record, shows a modal dialog and writes back
// into the record what the platform writes back. On success the chosen path
// stands in `lpstrFile`, ended by a NUL within `nMaxFile` characters, and
// `nFilterIndex` holds the 1-based position of the filter pair selected.
class PlatformFileDialog {
 public:
  virtual ~PlatformFileDialog() = default;
  // Nonzero when the user chose a file; what the platform writes back goes into the record.
  virtual int32_t GetOpenFileName(OpenFileNameRecord& record) = 0;
  virtual int32_t GetSaveFileName(OpenFileNameRecord& record) = 0;
  // Why the last call returned zero, when the user did not cancel it.
  virtual DialogFailure LastFailure() const { return DialogFailure::None; }
};
