#include "ui/qt_file_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "dialogs/cls_common_dialog.h"

using namespace std::string_literals;

namespace {

// The real dialog, with `act` run inside its event loop once it is shown,
// where a user would pick a file. A dialog that `act` leaves open, as a
// failed check does, is cancelled.
class DrivenQtFileDialog : public QtFileDialog {
 public:
  std::function<void(QFileDialog&)> act;

 protected:
  int RunDialog(QFileDialog& dialog) override {
    QTimer::singleShot(0, &dialog, [this, &dialog] {
      act(dialog);
      if (dialog.isVisible()) dialog.reject();
    });
    return QtFileDialog::RunDialog(dialog);
  }
};

// Types nothing: selects `path` and presses Open or Save.
void Choose(QFileDialog& dialog, const QString& path) {
  dialog.selectFile(path);
  static_cast<QDialog&>(dialog).accept();
}

// The filter pair the user sees selected, counted from 0.
int ShownFilter(const QFileDialog& dialog) {
  return dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentIndex();
}

// Answers the next message box over `dialog` with `button`; `shown` tells
// whether one came. The answer is dropped with the dialog if none comes.
void AnswerMessageBox(QFileDialog& dialog, QMessageBox::StandardButton button, bool& shown) {
  QTimer::singleShot(0, &dialog, [button, &shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    shown = box != nullptr;
    if (box) box->button(button)->click();
  });
}

}  // namespace

class QtFileDialogTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  std::shared_ptr<DrivenQtFileDialog> platform_ = std::make_shared<DrivenQtFileDialog>();
  clsCommonDialog dialog_{platform_};

  QString MakeFile(const QString& name) {
    QFile file(folder_.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot create %s", qPrintable(file.fileName()));
    return file.fileName();
  }

  // An open request whose file buffer holds `maxFile` characters with its NUL.
  static OpenFileNameRecord OpenRecord(uint32_t maxFile, uint32_t filterIndex = 0) {
    OpenFileNameRecord record;
    record.lpstrFilter = "A\0*.*\0B\0*.gbc\0C\0*.gbc;*.gb\0"s;
    record.nFilterIndex = filterIndex;
    record.lpstrFile = std::string(maxFile - 1, '\0');
    record.nMaxFile = maxFile;
    record.Flags = 0x1804;
    return record;
  }

 private slots:
  void openReturnsTheChosenPathAndStartsThereNextTime();
  void filterIndexSelectsTheFirstFilter_data();
  void filterIndexSelectsTheFirstFilter();
  void pathMustFitTheBuffer_data();
  void pathMustFitTheBuffer();
  void saveAddsTheExtensionAndAsksBeforeReplacing();
  void saveRefusesAMissingFolder();
};

void QtFileDialogTest::openReturnsTheChosenPathAndStartsThereNextTime() {
  const QString rom = MakeFile(QStringLiteral("Pokémon Kristall ✓.gbc"));
  const std::string filter = "Text (*.txt)|*.txt|GBC ROMs (*.gbc)|*.gbc";
  QWidget owner;
  platform_->act = [&](QFileDialog& shown) {
    QCOMPARE(shown.parentWidget(), &owner);
    QCOMPARE(shown.windowTitle(), QStringLiteral("Öffnen"));
    QCOMPARE(shown.fileMode(), QFileDialog::ExistingFile);
    shown.selectNameFilter(shown.nameFilters().at(1));
    Choose(shown, rom);
  };
  const auto path = dialog_.ShowOpen(static_cast<intptr_t>(owner.winId()), "Öffnen", "", filter);
  QCOMPARE(path, rom.toUtf8().toStdString());
  QCOMPARE(dialog_.FilterIndex(), 2);

  platform_->act = [&](QFileDialog& shown) {
    QCOMPARE(shown.directory().absolutePath(), folder_.path());
    QCOMPARE(shown.selectedFiles(), QStringList{rom});
    QCOMPARE(ShownFilter(shown), 1);
  };
  QCOMPARE(dialog_.ShowOpen(0, "Öffnen", "", filter), std::string());
}

void QtFileDialogTest::filterIndexSelectsTheFirstFilter_data() {
  QTest::addColumn<uint32_t>("filterIndex");
  QTest::addColumn<int>("selected");
  QTest::newRow("none yet") << 0u << 0;
  QTest::newRow("last") << 3u << 2;
  QTest::newRow("past the last") << 4u << 0;
}

void QtFileDialogTest::filterIndexSelectsTheFirstFilter() {
  QFETCH(uint32_t, filterIndex);
  QFETCH(int, selected);
  const QString rom = MakeFile(QStringLiteral("gold.gbc"));
  platform_->act = [&](QFileDialog& shown) {
    QCOMPARE(shown.nameFilters(), (QStringList{"A (*)", "B (*.gbc)", "C (*.gbc *.gb)"}));
    QCOMPARE(ShownFilter(shown), selected);
    Choose(shown, rom);
  };
  OpenFileNameRecord record = OpenRecord(255, filterIndex);
  QCOMPARE(platform_->GetOpenFileName(record), 1);
  QCOMPARE(record.nFilterIndex, static_cast<uint32_t>(selected + 1));
}

void QtFileDialogTest::pathMustFitTheBuffer_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<uint32_t>("spare");
  QTest::addColumn<int32_t>("result");
  QTest::addColumn<DialogFailure>("failure");
  QTest::newRow("fits with its NUL") << "gold.gbc" << 1u << 1 << DialogFailure::None;
  QTest::newRow("no room for its NUL") << "gold.gbc" << 0u << 0 << DialogFailure::PathTooLong;
  QTest::newRow("ends in a space") << "gold.gbc " << 1u << 0 << DialogFailure::NameEndsInSpace;
}

void QtFileDialogTest::pathMustFitTheBuffer() {
  QFETCH(QString, name);
  QFETCH(uint32_t, spare);
  QFETCH(int32_t, result);
  QFETCH(DialogFailure, failure);
  const QString rom = MakeFile(name);
  const std::string path = rom.toStdString();
  platform_->act = [&](QFileDialog& shown) { Choose(shown, rom); };
  OpenFileNameRecord record = OpenRecord(static_cast<uint32_t>(path.size()) + spare);
  const std::optional<std::string> before = record.lpstrFile;
  QCOMPARE(platform_->GetOpenFileName(record), result);
  QCOMPARE(record.lpstrFile, result ? std::optional(path + '\0') : before);
  QCOMPARE(platform_->LastFailure(), failure);
}

void QtFileDialogTest::saveAddsTheExtensionAndAsksBeforeReplacing() {
  const QString existing = MakeFile(QStringLiteral("old.gpl"));
  const std::string folder = folder_.path().toStdString();
  platform_->act = [](QFileDialog& shown) { static_cast<QDialog&>(shown).accept(); };
  QCOMPARE(dialog_.ShowSave(0, "Save", "new", folder, "Saves|*.gpl"), folder + "/new.gpl");

  for (const int32_t flags : {0x1802, 0x1800}) {
    bool asked = false;
    platform_->act = [&](QFileDialog& shown) {
      AnswerMessageBox(shown, QMessageBox::Yes, asked);
      Choose(shown, existing);
    };
    QCOMPARE(dialog_.ShowSave(0, "Save", "", folder, "", flags), existing.toStdString());
    QCOMPARE(asked, flags == 0x1802);
  }
}

void QtFileDialogTest::saveRefusesAMissingFolder() {
  bool warned = false;
  platform_->act = [&](QFileDialog& shown) {
    AnswerMessageBox(shown, QMessageBox::Ok, warned);
    Choose(shown, folder_.filePath(QStringLiteral("missing/new.gpl")));
    QVERIFY(shown.isVisible());
  };
  QCOMPARE(dialog_.ShowSave(0, "Save", "", folder_.path().toStdString()), std::string());
  QVERIFY(warned);
}

QTEST_MAIN(QtFileDialogTest)
#include "qt_file_dialog_test.moc"
