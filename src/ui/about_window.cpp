#include "ui/about_window.h"

#include <QLabel>
#include <QPushButton>

#include "ui/app_icon.h"
#include "ui/twips.h"

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, bool black) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  if (black) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
  }
  return label;
}

// The two lines share one name and are told apart by their index.
void AddLine(QWidget* parent, int index, QPoint from, int toX, int thickness, QColor colour) {
  auto* line = new QWidget(parent);
  line->setObjectName(QStringLiteral("Line1"));
  line->setProperty("index", index);
  line->setGeometry(Twips(from.x()), Twips(from.y()), Twips(toX) - Twips(from.x()), thickness);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, colour);
  line->setPalette(palette);
}

}  // namespace

frmAbout::frmAbout() {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About"));
  setWindowIcon(KestruneIcon());
  // A tool window keeps it off the taskbar. Tool windows do not keep the
  // program running by default; this one does, as the program ends only when
  // its last window closes.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_QuitOnClose, true);
  setAttribute(Qt::WA_DeleteOnClose, true);
  setFixedSize(Twips(5730), Twips(3120));
  createControls();
}

void frmAbout::createControls() {
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setGeometry(TwipsRect(4440, 2625, 1260, 345));
  // Default and cancel button alike: Enter presses it, and Esc closes the
  // window through the dialog's own reject.
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // An etched separator: a grey line with a white one just below it.
  AddLine(this, 1, {90, 2445}, 5654, 1, QColor(128, 128, 128));
  AddLabel(this, "lblDescription", QStringLiteral(KESTRUNE_DESCRIPTION), TwipsRect(1050, 1125, 3885, 1170), true);
  AddLabel(this, "lblTitle", QStringLiteral("Kestrune"), TwipsRect(1050, 240, 3885, 480), true);
  AddLine(this, 0, {105, 2460}, 5654, 2, Qt::white);
  AddLabel(this, "lblVersion", QStringLiteral("Version " KESTRUNE_ABOUT_VERSION), TwipsRect(1050, 780, 3885, 225),
           false);
  AddLabel(this, "lblDisclaimer",
           QStringLiteral("Credits: the hex routines' author, and the finder of Gold's item data and format."),
           TwipsRect(120, 2625, 4110, 465), true);
  ok->setFocus();
}
