// Takes the README's pictures of the real windows: the editor with the demo
// ROM open and an item loaded, and the About window.
// Usage: take_screenshots DEMO_ROM OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "fake_file_dialog.h"
#include "ui/about_window.h"
#include "ui/app_icon.h"

namespace {

bool Save(QWidget& window, const QString& path) {
  QTest::qWait(200);  // let the window system map and paint it
  return window.grab().save(path);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) return 2;
  QApplication::setWindowIcon(KestruneIcon());
  const QString outputDir = QString::fromLocal8Bit(argv[2]);

  DialogScript script;
  script.answers.push_back(argv[1]);
  Editor editor(ScriptedDialogs(script));
  editor.show();
  editor.findChild<QAction*>("Open")->trigger();
  editor.findChild<QComboBox*>("Item")->setCurrentIndex(2);
  editor.findChild<QPushButton*>("Load")->click();
  if (!Save(editor, outputDir + "/editor.png")) return 1;

  editor.findChild<QAction*>("About")->trigger();
  frmAbout* about = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == "frmAbout") about = qobject_cast<frmAbout*>(window);
  }
  if (about == nullptr || !Save(*about, outputDir + "/about.png")) return 1;
  return 0;
}
