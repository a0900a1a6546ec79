#pragma once

#include <QFileDialog>
#include <cstdint>

#include "dialogs/open_file_name_record.h"
#include "ui/qt_name_filters.h"

// Qt's file dialog set up from a request record: owner, title, filter pairs,
// starting folder and file, default extension on save, and the flags.
class RecordFileDialog : public QFileDialog {
 public:
  RecordFileDialog(const OpenFileNameRecord& record, bool save);

  // The 1-based filter pair selected, 0 when the record offered none.
  uint32_t SelectedPair() const { return filters_.Selected(*this); }

 protected:
  void accept() override;

 private:
  void StartAt(const OpenFileNameRecord& record);

  QtNameFilters filters_;
  bool pathMustExist_;
};
