#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "forms/open_command.h"
#include "ui/app_icon.h"
#include "ui/editor.h"

namespace {

void NameTheProgram() {
  QCoreApplication::setApplicationName(QStringLiteral("Kestrune"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION_TEXT));
}

// kestrune [ROM]: the file manager hands over the file the user opened. Help,
// version and bad usage are answered here and end the program, without the
// display that the windows need: only a plain application is made for them.
QStringList RomsGiven(int& argc, char* argv[]) {
  const QCoreApplication commandLine(argc, argv);
  NameTheProgram();
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(KESTRUNE_DESCRIPTION));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("ROM"), QStringLiteral("The ROM image to open, as File, Open does."),
                               QStringLiteral("[ROM]"));
  parser.process(commandLine);
  return parser.positionalArguments();
}

}  // namespace

int main(int argc, char* argv[]) {
  const QStringList roms = RomsGiven(argc, argv);
  if (roms.size() > 1) {
    std::fprintf(stderr, "%s\n", OneRomAtATime.data());
    return 2;
  }
  QApplication app(argc, argv);
  NameTheProgram();
  QApplication::setWindowIcon(KestruneIcon());

  // The program ends when its last window closes: an open About window
  // outlives the main one.
  Editor editor;
  editor.show();
  // Once the window is up, so that a message about the file has it to stand on.
  if (!roms.isEmpty()) QTimer::singleShot(0, &editor, [&editor, rom = roms.front()] { editor.openFile(rom); });
  return QApplication::exec();
}
