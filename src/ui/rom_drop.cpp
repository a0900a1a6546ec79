#include "ui/rom_drop.h"

#include <QMimeData>
#include <QUrl>

std::optional<QString> DroppedFile(const QMimeData& data) {
  const QList<QUrl> urls = data.urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
  return urls.front().toLocalFile();
}
