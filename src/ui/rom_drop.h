#pragma once

#include <QString>
#include <optional>

class QMimeData;

// The file that a drop onto the window hands over: exactly one local file.
// Several files or anything that is no local file is not taken.
std::optional<QString> DroppedFile(const QMimeData& data);
