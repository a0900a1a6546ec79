// Takes the README's pictures of the real program: the editor with the demo
// ROM open and an item loaded, and the About window. It chooses the file in
// the real file dialog and types into the item list as a user would.
// Usage: take_screenshots DEMO_ROM OUTPUT_DIR
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "ui/about_window.h"
#include "ui/app_icon.h"
#include "ui/editor.h"
#include "ui/item_table_model.h"
#include "ui/item_table_window.h"

namespace {

bool Picture(QWidget& window, const QString& path) {
  QTest::qWait(200);  // let the window system map and paint it
  return window.grab().save(path);
}

// Once the file dialog is up, type the demo ROM's path into it.
void AnswerFileDialog(const QString& demoRom) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [=] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    auto* fileName = dialog->findChild<QLineEdit*>("fileNameEdit");
    QTest::keyClicks(fileName, demoRom);
    QTest::keyClick(fileName, Qt::Key_Return);
  });
  poll->start(100);
}

ItemTableWindow* TableWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* table = qobject_cast<ItemTableWindow*>(window); table != nullptr && table->isVisible()) return table;
  }
  return nullptr;
}

frmAbout* AboutWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* about = qobject_cast<frmAbout*>(window); about != nullptr && about->isVisible()) return about;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) return 2;
  QApplication::setWindowIcon(KestruneIcon());
  const QString demoRom = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  const QString outputDir = QString::fromLocal8Bit(argv[2]);

  Editor editor;
  editor.show();
  if (!QTest::qWaitForWindowExposed(&editor)) return 1;
  AnswerFileDialog(demoRom);
  editor.findChild<QAction*>("Open")->trigger();

  auto* item = editor.findChild<QComboBox*>("Item");
  QTest::keyClicks(item->lineEdit(), "master");
  QAbstractItemView* completions = item->completer()->popup();
  QTest::keyClick(completions, Qt::Key_Down);
  QTest::keyClick(completions, Qt::Key_Return);
  QTest::mouseClick(editor.findChild<QPushButton*>("Load"), Qt::LeftButton);
  if (!Picture(editor, outputDir + "/editor.png")) return 1;

  // The table with one price changed and one refused, as they are marked.
  editor.findChild<QAction*>("ItemTable")->trigger();
  ItemTableWindow* table = TableWindow();
  if (table == nullptr) return 1;
  ItemTableModel& model = table->model();
  model.setData(model.index(17, static_cast<int>(TableColumn::Price)), QStringLiteral("350"));
  model.setData(model.index(18, static_cast<int>(TableColumn::Price)), QStringLiteral("70000"));
  table->view().scrollTo(table->view().model()->index(24, 0));
  if (!Picture(*table, outputDir + "/item-table.png")) return 1;
  table->model().run(DiscardCommand);
  table->close();

  editor.findChild<QAction*>("About")->trigger();
  frmAbout* about = AboutWindow();
  if (about == nullptr || !Picture(*about, outputDir + "/about.png")) return 1;
  return 0;
}
