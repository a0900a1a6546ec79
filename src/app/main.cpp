#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "forms/open_command.h"
#include "ui/app_icon.h"
#include "ui/editor.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kestrune"));
  QApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION_TEXT));
  QApplication::setWindowIcon(KestruneIcon());

  // kestrune [ROM]: the file manager hands over the file the user opened.
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(KESTRUNE_DESCRIPTION));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("ROM"), QStringLiteral("The ROM image to open, as File, Open does."),
                               QStringLiteral("[ROM]"));
  parser.process(app);
  const QStringList roms = parser.positionalArguments();
  if (roms.size() > 1) {
    std::fprintf(stderr, "%s\n", OneRomAtATime.data());
    return 2;
  }

  // The program ends when its last window closes: an open About window
  // outlives the main one.
  Editor editor;
  editor.show();
  // Once the window is up, so that a message about the file has it to stand on.
  if (!roms.isEmpty()) QTimer::singleShot(0, &editor, [&editor, rom = roms.front()] { editor.openFile(rom); });
  return QApplication::exec();
}
