#include "ui/record_file_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <string>

namespace {

QString PathOf(const std::optional<std::string>& field) {
  return QFile::decodeName(QByteArray::fromStdString(PlatformText(field)));
}

QString TextOf(const std::optional<std::string>& field) { return QString::fromStdString(PlatformText(field)); }

bool Has(const OpenFileNameRecord& record, uint32_t flags) { return (record.Flags & flags) != 0; }

}  // namespace

RecordFileDialog::RecordFileDialog(const OpenFileNameRecord& record, bool save)
    : QFileDialog(QWidget::find(static_cast<WId>(record.hwndOwner))),
      filters_(record.lpstrFilter),
      // As on Windows, a file that must exist needs its folder too.
      pathMustExist_(Has(record, DialogFlags::PathMustExist | DialogFlags::FileMustExist)) {
  // Qt's own dialog everywhere: it has no read-only box, so OFN_HIDEREADONLY
  // holds already. A file must exist only when opening.
  setOption(DontUseNativeDialog);
  setOption(DontConfirmOverwrite, !Has(record, DialogFlags::OverwritePrompt));
  setAcceptMode(save ? AcceptSave : AcceptOpen);
  setFileMode(!save && Has(record, DialogFlags::FileMustExist) ? ExistingFile : AnyFile);
  setWindowTitle(TextOf(record.lpstrTitle));
  if (save) setDefaultSuffix(TextOf(record.lpstrDefExt));
  filters_.Offer(*this, record.nFilterIndex);
  StartAt(record);
}

// Qt's dialog does not look for the folder when the file need not exist.
void RecordFileDialog::accept() {
  const QStringList files = selectedFiles();
  if (pathMustExist_ && !files.isEmpty() && !QFileInfo(files.first()).absoluteDir().exists()) {
    QMessageBox::warning(this, windowTitle(),
                         tr("%1\nDirectory not found.\nPlease verify the correct directory name was given.")
                             .arg(QFileInfo(files.first()).absolutePath()));
    return;
  }
  QFileDialog::accept();
}

// The initial directory may name a file, such as the path the dialog
// returned before: start in its folder with that file selected.
void RecordFileDialog::StartAt(const OpenFileNameRecord& record) {
  const QFileInfo start(PathOf(record.lpstrInitialDir));
  if (start.isDir()) setDirectory(start.absoluteFilePath());
  if (start.isFile()) {
    setDirectory(start.absolutePath());
    selectFile(start.fileName());
  }
  // The open buffer arrives empty: no name is proposed then.
  const QString proposed = PathOf(record.lpstrFile);
  if (!proposed.trimmed().isEmpty()) selectFile(proposed);
}
