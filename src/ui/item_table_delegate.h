#pragma once

#include <QStyledItemDelegate>

// The item table's cell editors: the main window's pocket list for a pocket,
// a box of two lines for a description, in which Enter commits and
// Shift+Enter or Ctrl+Enter breaks the line, and a text box with no length
// limit for the others, so that a text too long is refused whole when it is
// committed, never cut short while typed.
class ItemTableDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;
};
