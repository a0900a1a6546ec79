#include "ui/item_list.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <set>

#include "items/item_name_list.h"
#include "items/item_name_match.h"
#include "items/item_names.h"
#include "ui/qt_text.h"

namespace {

// The list's entries that the core's name rule offers for the typed text.
// Rows stay those of the list, so a chosen suggestion selects its own entry
// even where names repeat.
class ItemSuggestions : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  // Against the names the list shows, which may be the ROM's own.
  void Offer(const QString& typed) {
    std::vector<std::string> shown;
    for (int row = 0; row < sourceModel()->rowCount(); ++row) {
      shown.push_back(ToUtf8(sourceModel()->index(row, 0).data().toString()));
    }
    const std::vector<std::string_view> names(shown.begin(), shown.end());
    const std::vector<int> items = ItemsContaining(names, ToUtf8(typed));
    offered_ = std::set<int>(items.begin(), items.end());
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& /*parent*/) const override { return offered_.contains(row); }

 private:
  std::set<int> offered_;
};

}  // namespace

void FillItemList(QComboBox& list) {
  for (const std::string_view name : ItemNames) list.addItem(FromUtf8(name));
  // Typed text must never become an entry: an entry's position is its item number.
  list.setInsertPolicy(QComboBox::NoInsert);
  auto* suggestions = new ItemSuggestions(&list);
  suggestions->setSourceModel(list.model());
  auto* completer = new QCompleter(suggestions, &list);
  completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  list.setCompleter(completer);
  // Before the completer looks at the text, which the line edit lets it do next.
  QObject::connect(list.lineEdit(), &QLineEdit::textEdited, suggestions, &ItemSuggestions::Offer);
  list.setCurrentIndex(-1);
}

void ShowItemNames(QComboBox& list, const ItemNameList& names) {
  for (int item = 0; item < list.count(); ++item) {
    const QString name = FromUtf8(names[static_cast<size_t>(item)]);
    if (list.itemText(item) != name) list.setItemText(item, name);
  }
}
