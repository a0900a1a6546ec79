#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <optional>

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

  // Commits the cell being edited and closes its editor, as Enter would;
  // the cell it was, when one was open.
  std::optional<QPersistentModelIndex> commitOpenEditor();

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  QWidget* createCellEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const;

  // A view opens one editor at a time.
  mutable QPointer<QWidget> editor_;
  mutable QPersistentModelIndex edited_;
};
