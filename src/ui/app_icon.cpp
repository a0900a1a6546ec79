#include "ui/app_icon.h"

QIcon KestruneIcon() {
  // Only the sizes that title bars, task bars and switchers draw: the window
  // system is handed every size as pixels when the window first shows, and a
  // 256-pixel one alone costs most of a megabyte of memory at start-up. Larger
  // sizes come from the installed theme icon and, on Windows, the .ico.
  QIcon icon;
  for (const int size : {16, 32, 48}) icon.addFile(QStringLiteral(":/icon/kestrune-%1.png").arg(size));
  return icon;
}
