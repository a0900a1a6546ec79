#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "table/item_table.h"
#include "table/table_commands.h"

// The item table for Qt's views: row r is item r + 1. setData() returns
// false for a text the cell refuses, which the cell keeps as typed, and
// says why through committed(). Everything else is ItemTable's.
class ItemTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Reads the ROM; throws a Refused as ItemTable does.
  explicit ItemTableModel(const std::string& path, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  const ItemTable& table() const { return *table_; }
  ItemTable& table() { return *table_; }
  static int itemAt(int row) { return row + 1; }
  static TableColumn columnAt(int column) { return static_cast<TableColumn>(column); }
  // The names a cell's editor offers, as a QStringList; none for a cell that
  // takes any text, or when the table shows bytes.
  static constexpr int ChoicesRole = Qt::UserRole + 1;

  // Shows the named columns' values by name or as bytes.
  void showBytes(bool on);

  // Runs a command of table/table_commands.h on the table, and tells the
  // views that any cell may have changed.
  template <typename Command, typename... Arguments>
  CommandOutcome run(Command command, const Arguments&... arguments) {
    CommandOutcome outcome = command(*table_, arguments...);
    allChanged();
    return outcome;
  }

 signals:
  // After every commit of a cell: why it was refused, or empty.
  void committed(const QString& refusal);
  // After every change of what is pending.
  void editsChanged();

 private:
  void allChanged();


  std::unique_ptr<ItemTable> table_;
};
