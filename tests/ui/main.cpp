#include <QApplication>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

int RunEditorTests(int argc, char* argv[]);
int RunAboutTests(int argc, char* argv[]);
int RunItemTableTests(int argc, char* argv[]);

namespace {

struct TestClass {
  const char* name;
  int (*run)(int argc, char* argv[]);
};
constexpr std::array<TestClass, 3> TestClasses{
    {{"EditorTest", RunEditorTests}, {"AboutTest", RunAboutTests}, {"ItemTableTest", RunItemTableTests}}};

}  // namespace

// ui_tests [CLASS [Qt Test arguments]] runs one class, or all of them;
// ui_tests --classes names them, so that CTest can ask each for its test
// functions (ui_tests CLASS -functions) and make a test of each.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "--classes") == 0) {
    for (const TestClass& test : TestClasses) std::printf("%s\n", test.name);
    return 0;
  }
  for (const TestClass& test : TestClasses) {
    if (argc > 1 && std::strcmp(argv[1], test.name) == 0) {
      // The class's name is no Qt Test argument.
      std::vector<char*> arguments{argv[0]};
      arguments.insert(arguments.end(), argv + 2, argv + argc);
      return test.run(static_cast<int>(arguments.size()), arguments.data());
    }
  }
  int failures = 0;
  for (const TestClass& test : TestClasses) failures += test.run(argc, argv);
  return failures;
}
