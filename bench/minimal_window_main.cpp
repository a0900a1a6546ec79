// The floor of the editor's start-up: a plain Qt Widgets program with the
// editor's widgets at the editor's places and no logic, no icon, no
// completer of its own. scripts/bench-startup compares the two.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <array>

#include "items/item_fields.h"
#include "items/item_names.h"
#include "ui/twips.h"

namespace {

struct Frame {
  const char* caption;
  QRect geometry;
};

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <typename Widget>
Widget* InFrame(QGroupBox* frame, int width, int height) {
  auto* widget = new Widget(frame);
  widget->setGeometry(TwipsRect(120, 240, width, height));
  return widget;
}

void AddMenus(QMainWindow& window) {
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
  file->addAction(QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
  file->addAction(QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
  file->addAction(QStringLiteral("Exit"));
  window.menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About"));
}

void AddControls(QWidget* client) {
  const std::array<Frame, 9> frames{{{"Rom Loaded:", TwipsRect(120, 120, 3255, 615)},
                                     {"Type", TwipsRect(2640, 2640, 735, 735)},
                                     {"Pocket", TwipsRect(120, 2640, 1335, 735)},
                                     {"Use", TwipsRect(1680, 2640, 735, 735)},
                                     {"Var.", TwipsRect(2640, 1800, 735, 735)},
                                     {"Effect", TwipsRect(1680, 1800, 735, 735)},
                                     {"Price", TwipsRect(120, 1800, 1335, 735)},
                                     {"Advanced", TwipsRect(120, 3480, 2175, 735)},
                                     {"Item", TwipsRect(120, 960, 3255, 735)}}};
  std::array<QGroupBox*, frames.size()> boxes{};
  for (size_t i = 0; i < frames.size(); ++i) {
    boxes[i] = new QGroupBox(QString::fromUtf8(frames[i].caption), client);
    boxes[i]->setGeometry(frames[i].geometry);
  }
  InFrame<QLabel>(boxes[0], 3015, 255)->setText(QStringLiteral("None"));
  for (QGroupBox* box : {boxes[1], boxes[3], boxes[4], boxes[5]}) InFrame<QLineEdit>(box, 495, 375)->setMaxLength(ByteMaxChars);
  InFrame<QLineEdit>(boxes[6], 1095, 375)->setMaxLength(PriceMaxChars);
  InFrame<QLineEdit>(boxes[7], 855, 375)->setMaxLength(AsmMaxChars);
  auto* caption = new QLabel(QStringLiteral("ASM Pointer"), boxes[7]);
  caption->setGeometry(TwipsRect(1080, 240, 975, 255));

  auto* pocket = InFrame<QComboBox>(boxes[2], 1095, 315);
  for (const std::string_view name : PocketNames) pocket->addItem(Text(name));
  auto* load = new QPushButton(QStringLiteral("Load"), boxes[8]);
  load->setGeometry(TwipsRect(2520, 240, 615, 255));
  auto* item = InFrame<QComboBox>(boxes[8], 2295, 315);
  item->setEditable(true);
  for (const std::string_view name : ItemNames) item->addItem(Text(name));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Kestrune"));
  AddMenus(window);
  auto* client = new QWidget(&window);
  client->setFixedSize(Twips(3510), Twips(4305));
  window.setCentralWidget(client);
  AddControls(client);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  window.show();
  return QApplication::exec();
}
