#pragma once

#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

class QFileDialog;

// The record's filter pairs as the name filters of Qt's file dialog.
class QtNameFilters {
 public:
  explicit QtNameFilters(const std::optional<std::string>& platformFilter);

  // Offers the pairs with the 1-based `filterIndex` selected; 0 or out of
  // range selects the first.
  void Offer(QFileDialog& dialog, uint32_t filterIndex) const;
  // The 1-based pair selected in the dialog, 0 when none was offered.
  uint32_t Selected(const QFileDialog& dialog) const;

 private:
  QStringList filters_;
  QStringList descriptions_;
};
