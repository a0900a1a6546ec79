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

namespace {

// The real dialog, with `act` run inside its event loop once it is shown,
// where a user would pick a file. A dialog that `act` leaves open, as a
// failed check does, is cancelled.
class DrivenQtFileDialog : public QtFileDialog {
 public:
  std::function<void(QFileDialog&)> act = [](QFileDialog& dialog) { dialog.reject(); };

 protected:
  int RunDialog(QFileDialog& dialog) override {
    QTimer::singleShot(0, &dialog, [this, &dialog] {
      act(dialog);
      if (dialog.isVisible()) dialog.reject();
    });
    return QtFileDialog::RunDialog(dialog);
  }
};

// The dialog's Open or Save button, which QFileDialog keeps protected.
void Accept(QFileDialog& dialog) { static_cast<QDialog&>(dialog).accept(); }

// The filter pair the user sees selected, counted from 0.
int ShownFilter(const QFileDialog& dialog) {
  return dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentIndex();
}

void Choose(QFileDialog& dialog, const QString& path) {
  dialog.selectFile(path);
  Accept(dialog);
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

OpenFileNameRecord OpenRecord(const std::string& filter, uint32_t filterIndex, uint32_t maxFile) {
  OpenFileNameRecord record;
  record.lpstrFilter = filter;
  record.nFilterIndex = filterIndex;
  record.lpstrFile = std::string(maxFile - 1, ' ');
  record.nMaxFile = maxFile;
  record.Flags = 0x1804;
  return record;
}

}  // namespace

class QtFileDialogTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  std::shared_ptr<DrivenQtFileDialog> platform_ = std::make_shared<DrivenQtFileDialog>();

  QString MakeFile(const QString& name) {
    QFile file(folder_.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot create %s", qPrintable(file.fileName()));
    return file.fileName();
  }

 private slots:
  void openReturnsTheChosenPathAndStartsThereNextTime();
  void filterIndexSelectsTheFirstFilter_data();
  void filterIndexSelectsTheFirstFilter();
  void pathMustFitTheBuffer_data();
  void pathMustFitTheBuffer();
  void saveAddsTheExtensionAndAsksBeforeReplacing();
  void saveRefusesAMissingFolder();
  void ownerComesFromTheWindowHandle();
};

void QtFileDialogTest::openReturnsTheChosenPathAndStartsThereNextTime() {
  const QString rom = MakeFile(QStringLiteral("Pokémon Kristall ✓.gbc"));
  clsCommonDialog dialog(platform_);
  platform_->act = [&](QFileDialog& shown) {
    QCOMPARE(shown.windowTitle(), QStringLiteral("Öffnen"));
    QCOMPARE(shown.fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(shown.testOption(QFileDialog::DontUseNativeDialog), true);
    shown.selectNameFilter(shown.nameFilters().at(1));
    Choose(shown, rom);
  };
  const std::string path = dialog.ShowOpen(0, "Öffnen", "", "Text (*.txt)|*.txt|GBC ROMs (*.gbc)|*.gbc");
  QCOMPARE(path, rom.toUtf8().toStdString());
  QCOMPARE(dialog.FilterIndex(), 2);

  platform_->act = [&](QFileDialog& shown) {
    QCOMPARE(shown.directory().absolutePath(), folder_.path());
    QCOMPARE(shown.selectedFiles(), QStringList{rom});
    QCOMPARE(ShownFilter(shown), 1);
  };
  QCOMPARE(dialog.ShowOpen(0, "Öffnen", "", "Text (*.txt)|*.txt|GBC ROMs (*.gbc)|*.gbc"), std::string());
  QCOMPARE(dialog.FilterIndex(), 2);
}

void QtFileDialogTest::filterIndexSelectsTheFirstFilter_data() {
  QTest::addColumn<uint32_t>("filterIndex");
  QTest::addColumn<int>("selected");
  QTest::newRow("none yet") << 0u << 0;
  QTest::newRow("first") << 1u << 0;
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
  OpenFileNameRecord record = OpenRecord(std::string("A\0*.*\0B\0*.gbc\0C\0*.gbc;*.gb\0", 30), filterIndex, 255);
  QCOMPARE(platform_->GetOpenFileName(record), 1);
  QCOMPARE(record.nFilterIndex, static_cast<uint32_t>(selected + 1));
}

void QtFileDialogTest::pathMustFitTheBuffer_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("spare");
  QTest::addColumn<int32_t>("result");
  QTest::newRow("fits with its NUL") << "gold.gbc" << 1 << 1;
  QTest::newRow("no room for its NUL") << "gold.gbc" << 0 << 0;
  QTest::newRow("ends in a space") << "gold.gbc " << 1 << 0;
}

void QtFileDialogTest::pathMustFitTheBuffer() {
  QFETCH(QString, name);
  QFETCH(int, spare);
  QFETCH(int32_t, result);
  const QString rom = MakeFile(name);
  const std::string path = rom.toStdString();
  platform_->act = [&](QFileDialog& shown) { Choose(shown, rom); };
  OpenFileNameRecord record = OpenRecord("", 0, static_cast<uint32_t>(path.size()) + static_cast<uint32_t>(spare));
  const std::optional<std::string> before = record.lpstrFile;
  QCOMPARE(platform_->GetOpenFileName(record), result);
  QCOMPARE(record.lpstrFile, result ? std::optional(path + '\0') : before);
}

void QtFileDialogTest::saveAddsTheExtensionAndAsksBeforeReplacing() {
  const QString existing = MakeFile(QStringLiteral("old.gpl"));
  clsCommonDialog dialog(platform_);
  const std::string folder = folder_.path().toStdString();
  platform_->act = [](QFileDialog& shown) {
    QCOMPARE(shown.fileMode(), QFileDialog::AnyFile);
    Accept(shown);
  };
  QCOMPARE(dialog.ShowSave(0, "Save", "new", folder, "Saves|*.gpl"), folder + "/new.gpl");

  bool asked = false;
  platform_->act = [&](QFileDialog& shown) {
    AnswerMessageBox(shown, QMessageBox::Yes, asked);
    Choose(shown, existing);
  };
  QCOMPARE(dialog.ShowSave(0, "Save", "", folder), existing.toStdString());
  QVERIFY(asked);

  asked = false;
  platform_->act = [&](QFileDialog& shown) {
    AnswerMessageBox(shown, QMessageBox::No, asked);
    Choose(shown, existing);
  };
  QCOMPARE(dialog.ShowSave(0, "Save", "", folder, "", 0x1800), existing.toStdString());
  QVERIFY(!asked);
}

void QtFileDialogTest::saveRefusesAMissingFolder() {
  clsCommonDialog dialog(platform_);
  bool warned = false;
  platform_->act = [&](QFileDialog& shown) {
    AnswerMessageBox(shown, QMessageBox::Ok, warned);
    Choose(shown, folder_.filePath(QStringLiteral("missing/new.gpl")));
    QVERIFY(shown.isVisible());
    shown.reject();
  };
  QCOMPARE(dialog.ShowSave(0, "Save", "", folder_.path().toStdString()), std::string());
  QVERIFY(warned);
}

void QtFileDialogTest::ownerComesFromTheWindowHandle() {
  QWidget owner;
  platform_->act = [&](QFileDialog& shown) { QCOMPARE(shown.parentWidget(), &owner); };
  clsCommonDialog(platform_).ShowOpen(static_cast<intptr_t>(owner.winId()), "Open");
}

QTEST_MAIN(QtFileDialogTest)
#include "qt_file_dialog_test.moc"
