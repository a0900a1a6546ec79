#include <QApplication>

int RunEditorTests(int argc, char* argv[]);
int RunAboutTests(int argc, char* argv[]);

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int editorFailures = RunEditorTests(argc, argv);
  const int aboutFailures = RunAboutTests(argc, argv);
  return editorFailures + aboutFailures;
}
