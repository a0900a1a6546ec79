#pragma once

#include <cstdint>
#include <memory>

#include "dialogs/platform_file_dialog.h"

class QFileDialog;

// The platform file dialog wherever the Windows one does not exist: Qt's own
// file dialog, never the desktop's native one, so that it behaves the same on
// every system. It honours the record's title, filter pairs and selected
// pair, initial directory (a file there is preselected), the proposed file
// name, the default extension on save, the owner window and the flags
// OFN_FILEMUSTEXIST, OFN_PATHMUSTEXIST, OFN_OVERWRITEPROMPT and
// OFN_HIDEREADONLY. Paths travel as the file system's bytes, UTF-8.
class QtFileDialog : public PlatformFileDialog {
 public:
  int32_t GetOpenFileName(OpenFileNameRecord& record) override;
  int32_t GetSaveFileName(OpenFileNameRecord& record) override;
  DialogFailure LastFailure() const override { return failure_; }

 protected:
  // Shows the prepared dialog modally and returns its QDialog::DialogCode.
  // Tests step in here to drive the real dialog while it is shown.
  virtual int RunDialog(QFileDialog& dialog);

 private:
  int32_t Show(OpenFileNameRecord& record, bool save);

  DialogFailure failure_ = DialogFailure::None;
};

// The Windows dialogs on Windows, QtFileDialog everywhere else.
std::shared_ptr<PlatformFileDialog> MakePlatformFileDialog();
