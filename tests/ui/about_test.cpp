// The About window: one at a time, closed by Enter, Esc or OK, and able to
// outlive the main window.
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "harness.h"
#include "ui/about_window.h"
#include "ui/twips.h"

namespace {

QList<frmAbout*> VisibleAboutWindows() {
  QList<frmAbout*> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* about = qobject_cast<frmAbout*>(window);
    if (about != nullptr && about->isVisible()) windows << about;
  }
  return windows;
}

frmAbout* ShowAbout(Harness& h) {
  h.menu("About");
  const QList<frmAbout*> windows = VisibleAboutWindows();
  return windows.size() == 1 ? windows.front() : nullptr;
}

}  // namespace

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void showsItsDesign();
  void isOneWindowBesideTheEditor();
  void keysClose_data();
  void keysClose();
  void outlivesTheEditor();
};

void AboutTest::showsItsDesign() {
  Harness h;
  QPointer<frmAbout> about = ShowAbout(h);
  QVERIFY(about);
  QCOMPARE(about->windowTitle(), "About");
  QCOMPARE(about->parentWidget(), nullptr);
  QVERIFY(!about->isModal());
  QVERIFY(about->windowFlags().testFlag(Qt::Tool));  // keeps it off the taskbar
  QCOMPARE(about->size(), QSize(Twips(5730), Twips(3120)));
  QCOMPARE(about->minimumSize(), about->maximumSize());
  QVERIFY(!about->windowIcon().isNull());

  const auto text = [&](const char* name) { return about->findChild<QLabel*>(name)->text(); };
  QCOMPARE(text("lblTitle"), "Kestrune");
  QCOMPARE(text("lblVersion"), "Version 1.1");
  QCOMPARE(text("lblDescription"),
           "Allows editing of all item properties in Pokémon Gold, Silver, and Crystal versions, including ASM "
           "pointers for each item for advanced users.");
  QVERIFY(text("lblDisclaimer").startsWith("Credits:"));
  auto* ok = about->findChild<QPushButton*>("cmdOK");
  QCOMPARE(ok->text(), "OK");
  QVERIFY(ok->isDefault());
  QCOMPARE(ok->geometry(), TwipsRect(4440, 2625, 1260, 345));
  QCOMPARE(about->findChildren<QWidget*>("Line1").size(), 2);
  about->close();
}

void AboutTest::isOneWindowBesideTheEditor() {
  Harness h;
  h.editor.show();
  QPointer<frmAbout> first = ShowAbout(h);
  QVERIFY(first);
  // The editor stays usable while About is open, and About again shows the same window.
  h.open(h.write(RomBuilder().WithEdition(EditionTable[1])));
  QCOMPARE(h.label(), "Pokémon Silver Version");
  QCOMPARE(ShowAbout(h), first.data());

  QTest::mouseClick(first->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  QTRY_VERIFY(first.isNull());  // closed and deleted
  QPointer<frmAbout> second = ShowAbout(h);
  QVERIFY(second);
  QCOMPARE(second->findChild<QLabel*>("lblVersion")->text(), "Version 1.1");
  second->close();
}

void AboutTest::keysClose_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("Enter") << static_cast<int>(Qt::Key_Enter);
  QTest::newRow("Return") << static_cast<int>(Qt::Key_Return);
  QTest::newRow("Esc") << static_cast<int>(Qt::Key_Escape);
}

void AboutTest::keysClose() {
  QFETCH(int, key);
  Harness h;
  QPointer<frmAbout> about = ShowAbout(h);
  QVERIFY(QTest::qWaitForWindowActive(about));
  QCOMPARE(QApplication::focusWidget()->objectName(), "cmdOK");
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  QTRY_VERIFY(about.isNull());
}

void AboutTest::outlivesTheEditor() {
  Harness h;
  h.editor.show();
  QPointer<frmAbout> about = ShowAbout(h);
  QVERIFY(about);
  bool aboutOutlivedEditor = false;
  // Exit, then close About a little later: the program must run until then
  // and end when it closes.
  QTimer::singleShot(0, &h.editor, [&] {
    h.menu("Exit");
    QTimer::singleShot(100, about, [&] {
      aboutOutlivedEditor = !h.editor.isVisible() && about->isVisible();
      about->close();
    });
  });
  QTimer guard;
  guard.setSingleShot(true);
  connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  guard.start(5000);
  QCOMPARE(QApplication::exec(), 0);
  QVERIFY(aboutOutlivedEditor);
}

int RunAboutTests(int argc, char* argv[]) {
  AboutTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "about_test.moc"
