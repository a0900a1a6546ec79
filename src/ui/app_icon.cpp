#include "ui/app_icon.h"

QIcon KestruneIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 256}) icon.addFile(QStringLiteral(":/icon/kestrune-%1.png").arg(size));
  return icon;
}
