#include "ui/item_list.h"

#include <QComboBox>
#include <QCompleter>

#include "forms/item_choice.h"
#include "items/item_names.h"
#include "ui/qt_text.h"

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

int16_t SelectedItem(const QComboBox& list) { return ChosenItem(list.currentIndex(), ToUtf8(list.currentText())); }
