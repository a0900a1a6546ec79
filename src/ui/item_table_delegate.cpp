#include "ui/item_table_delegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

#include "table/pocket_cell.h"
#include "table/table_columns.h"
#include "table/table_design.h"
#include "ui/field_tooltips.h"
#include "ui/item_table_model.h"
#include "ui/pocket_list.h"
#include "ui/qt_text.h"

namespace {

bool IsColumn(const QModelIndex& index, TableColumn column) {
  return static_cast<TableColumn>(index.column()) == column;
}

bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

}  // namespace

QWidget* ItemTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
  edited_ = index;
  editor_ = createCellEditor(parent, option, index);
  return editor_;
}

std::optional<QPersistentModelIndex> ItemTableDelegate::commitOpenEditor() {
  if (!editor_) return std::nullopt;
  QWidget* editor = editor_;
  editor_ = nullptr;
  emit commitData(editor);
  emit closeEditor(editor, QAbstractItemDelegate::NoHint);
  return edited_;
}

QWidget* ItemTableDelegate::createCellEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const {
  if (IsColumn(index, TableColumn::Description)) {
    auto* box = new QPlainTextEdit(parent);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
  }
  if (const QStringList choices = index.data(ItemTableModel::ChoicesRole).toStringList(); !choices.isEmpty()) {
    // The names to choose from, and any name or hex typed.
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(choices);
    return list;
  }
  if (!IsColumn(index, TableColumn::Pocket)) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* list = new QComboBox(parent);
  FillPocketList(*list);
  ExplainPocketList(*list);
  return list;
}

void ItemTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* box = qobject_cast<QPlainTextEdit*>(editor)) {
    QStyledItemDelegate::setEditorData(editor, index);
    // As in the other cells' boxes, the first key typed replaces the text.
    box->selectAll();
    return;
  }
  if (auto* list = qobject_cast<QComboBox*>(editor); list && list->isEditable()) {
    list->setEditText(index.data(Qt::EditRole).toString());
    list->lineEdit()->selectAll();
    return;
  }
  if (!IsColumn(index, TableColumn::Pocket)) return QStyledItemDelegate::setEditorData(editor, index);
  // A refused text shows no entry; choosing one replaces it.
  const std::optional<int16_t> pocket = PocketFromCell(ToUtf8(index.data(Qt::EditRole).toString()));
  ShowPocket(*static_cast<QComboBox*>(editor), pocket.value_or(-1));
}

void ItemTableDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (const auto* list = qobject_cast<QComboBox*>(editor); list && list->isEditable()) {
    model->setData(index, list->currentText(), Qt::EditRole);
    return;
  }
  if (!IsColumn(index, TableColumn::Pocket)) return QStyledItemDelegate::setModelData(editor, model, index);
  const auto* list = static_cast<QComboBox*>(editor);
  if (list->currentIndex() >= 0) model->setData(index, list->currentText(), Qt::EditRole);
}

// A description's box shows all its lines, over the rows below the cell.
void ItemTableDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const {
  QStyledItemDelegate::updateEditorGeometry(editor, option, index);
  auto* box = qobject_cast<QPlainTextEdit*>(editor);
  if (!box) return;
  const int frame = 2 * (box->frameWidth() + static_cast<int>(box->document()->documentMargin()));
  box->resize(box->width(), std::max(box->height(), DescriptionEditorLines * box->fontMetrics().lineSpacing() + frame));
}

bool ItemTableDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* box = qobject_cast<QPlainTextEdit*>(object);
  if (!box || event->type() != QEvent::KeyPress || !IsEnter(*static_cast<QKeyEvent*>(event))) {
    return QStyledItemDelegate::eventFilter(object, event);
  }
  if (static_cast<QKeyEvent*>(event)->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
    box->insertPlainText(QStringLiteral("\n"));
  } else {
    emit commitData(box);
    emit closeEditor(box, QAbstractItemDelegate::NoHint);
  }
  return true;
}
