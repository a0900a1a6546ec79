#include "ui/message_box.h"

#include <QMessageBox>

#include "ui/qt_text.h"

void ShowMessage(QWidget* owner, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kestrune"), FromUtf8(text), QMessageBox::Ok, owner);
  box.exec();
}
