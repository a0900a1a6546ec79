#include "ui/item_table_delegate.h"

#include <QComboBox>

#include "table/pocket_cell.h"
#include "table/table_columns.h"
#include "ui/field_tooltips.h"
#include "ui/pocket_list.h"
#include "ui/qt_text.h"

namespace {

bool IsPocket(const QModelIndex& index) { return static_cast<TableColumn>(index.column()) == TableColumn::Pocket; }

}  // namespace

QWidget* ItemTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
  if (!IsPocket(index)) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* list = new QComboBox(parent);
  FillPocketList(*list);
  ExplainPocketList(*list);
  return list;
}

void ItemTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (!IsPocket(index)) return QStyledItemDelegate::setEditorData(editor, index);
  // A refused text shows no entry; choosing one replaces it.
  const std::optional<int16_t> pocket = PocketFromCell(ToUtf8(index.data(Qt::EditRole).toString()));
  ShowPocket(*static_cast<QComboBox*>(editor), pocket.value_or(-1));
}

void ItemTableDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (!IsPocket(index)) return QStyledItemDelegate::setModelData(editor, model, index);
  const auto* list = static_cast<QComboBox*>(editor);
  if (list->currentIndex() >= 0) model->setData(index, list->currentText(), Qt::EditRole);
}
