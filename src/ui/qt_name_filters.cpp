#include "ui/qt_name_filters.h"

#include <QFileDialog>

#include "dialogs/filter_list.h"

namespace {

// Qt reads a name filter's patterns from the parentheses that end it,
// separated by spaces, and the dialog shows only what comes before them
// (HideNameFilterDetails): the description as the caller wrote it. "*.*"
// keeps its meaning of every file.
QString NameFilter(const QString& description, const std::string& pattern) {
  QStringList patterns = QString::fromStdString(pattern).split(u';', Qt::SkipEmptyParts);
  patterns.replaceInStrings(QStringLiteral("*.*"), QStringLiteral("*"));
  return QStringLiteral("%1 (%2)").arg(description, patterns.join(u' '));
}

}  // namespace

QtNameFilters::QtNameFilters(const std::optional<std::string>& platformFilter) {
  // The dialog keeps its filters simplified; so are they here, to be found again.
  for (const auto& pair : FilterList::ReadPairs(platformFilter.value_or(""))) {
    const QString description = QString::fromStdString(pair.description).simplified();
    descriptions_ << description;
    filters_ << NameFilter(description, pair.pattern).simplified();
  }
}

void QtNameFilters::Offer(QFileDialog& dialog, uint32_t filterIndex) const {
  if (filters_.isEmpty()) return;
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(filters_);
  const bool inRange = filterIndex >= 1 && filterIndex <= static_cast<uint32_t>(filters_.size());
  dialog.selectNameFilter(filters_.at(inRange ? static_cast<qsizetype>(filterIndex) - 1 : 0));
}

uint32_t QtNameFilters::Selected(const QFileDialog& dialog) const {
  // With the details hidden, some Qt versions report the whole filter and
  // others only the description shown.
  const QString selected = dialog.selectedNameFilter();
  qsizetype index = filters_.indexOf(selected);
  if (index < 0) index = descriptions_.indexOf(selected);
  return static_cast<uint32_t>(index + 1);
}
