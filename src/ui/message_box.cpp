#include "ui/message_box.h"

#include <QMessageBox>

void ShowMessage(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kestrune"), text, QMessageBox::Ok, owner);
  box.exec();
}
