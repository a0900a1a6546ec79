#include <QApplication>

#include "ui/app_icon.h"
#include "ui/editor.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kestrune"));
  QApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION_TEXT));
  QApplication::setWindowIcon(KestruneIcon());

  // The program ends when its last window closes: an open About window
  // outlives the main one.
  Editor editor;
  editor.show();
  return QApplication::exec();
}
