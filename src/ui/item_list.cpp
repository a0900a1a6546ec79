#include "ui/item_list.h"

#include <QComboBox>
#include <QCompleter>

#include "items/item_names.h"

void FillItemList(QComboBox& list) {
  for (const std::string_view name : ItemNames) {
    list.addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  // Typed text must never become an entry: an entry's position is its item number.
  list.setInsertPolicy(QComboBox::NoInsert);
  auto* completer = new QCompleter(list.model(), &list);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  completer->setCompletionMode(QCompleter::PopupCompletion);
  list.setCompleter(completer);
  list.setCurrentIndex(-1);
}

int16_t SelectedItem(const QComboBox& list) {
  // Names repeat, so the current entry wins when the text still shows it.
  const QString text = list.currentText();
  const int current = list.currentIndex();
  if (current >= 0 && list.itemText(current) == text) return static_cast<int16_t>(current);
  return static_cast<int16_t>(list.findText(text, Qt::MatchFixedString));
}
