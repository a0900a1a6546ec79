#include "ui/item_list.h"

#include <QComboBox>
#include <QCompleter>

#include "forms/item_choice.h"
#include "items/item_name_list.h"
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

void ShowItemNames(QComboBox& list, const ItemNameList& names) {
  for (int item = 0; item < list.count(); ++item) {
    const QString name = FromUtf8(names[static_cast<size_t>(item)]);
    if (list.itemText(item) != name) list.setItemText(item, name);
  }
}

int16_t SelectedItem(const QComboBox& list) { return ChosenItem(list.currentIndex(), ToUtf8(list.currentText())); }
