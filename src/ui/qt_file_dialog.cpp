#include "ui/qt_file_dialog.h"

#include <QFile>
#include <string>

#include "ui/record_file_dialog.h"

#ifdef _WIN32
#include "dialogs/win32_file_dialog.h"
#endif

namespace {

// The path goes into the file buffer in place, ended by a NUL. One that does
// not fit with its NUL fails the call, as on Windows: cut short, it would
// name another file. So does one ending in a space, which clsCommonDialog
// would trim into another file's name.
DialogFailure WritePath(const QString& chosen, OpenFileNameRecord& record) {
  const std::string path = QFile::encodeName(chosen).toStdString();
  if (!record.lpstrFile || path.size() + 1 > record.nMaxFile) return DialogFailure::PathTooLong;
  if (path.ends_with(' ')) return DialogFailure::NameEndsInSpace;
  std::string& buffer = *record.lpstrFile;
  if (buffer.size() < path.size() + 1) buffer.resize(path.size() + 1);
  buffer.replace(0, path.size() + 1, path.c_str(), path.size() + 1);
  return DialogFailure::None;
}

}  // namespace

int32_t QtFileDialog::GetOpenFileName(OpenFileNameRecord& record) { return Show(record, false); }

int32_t QtFileDialog::GetSaveFileName(OpenFileNameRecord& record) { return Show(record, true); }

int QtFileDialog::RunDialog(QFileDialog& dialog) { return dialog.exec(); }

int32_t QtFileDialog::Show(OpenFileNameRecord& record, bool save) {
  failure_ = DialogFailure::None;
  RecordFileDialog dialog(record, save);
  if (RunDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return 0;
  failure_ = WritePath(dialog.selectedFiles().first(), record);
  if (failure_ != DialogFailure::None) return 0;
  record.nFilterIndex = dialog.SelectedPair();
  return 1;
}

std::shared_ptr<PlatformFileDialog> MakePlatformFileDialog() {
#ifdef _WIN32
  return std::make_shared<Win32FileDialog>();
#else
  return std::make_shared<QtFileDialog>();
#endif
}
