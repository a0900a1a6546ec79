#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "table/item_table.h"

// The item table for Qt's views: row r is item r + 1. setData() returns
// false for a text the cell refuses, which the cell keeps as typed, and
// says why through refused(). Everything else is ItemTable's.
class ItemTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The value the proxy sorts by: a number for the columns of numbers, the
  // text for the others.
  static constexpr int SortRole = Qt::UserRole;

  // Reads the ROM; throws a CliError as ItemTable does.
  explicit ItemTableModel(const std::string& path, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  const ItemTable& table() const { return *table_; }
  static int itemAt(int row) { return row + 1; }
  static TableColumn columnAt(int column) { return static_cast<TableColumn>(column); }

  // Each returns why it did nothing, or not everything; empty when it did.
  std::optional<QString> save();
  std::vector<std::string> paste(const QString& text, const std::vector<int>& selected);
  std::vector<std::string> importFile(const std::string& path);
  // Reading the file again can fail as opening it can, with a CliError; what
  // is pending then stays. (QAbstractItemModel has revert() of its own,
  // which views call when an edit is cancelled.)
  void revertToFile();
  void rereadFile();

 signals:
  void refused(const QString& reason);
  // After every change of what is pending.
  void editsChanged();

 private:
  void allChanged();

  std::unique_ptr<ItemTable> table_;
};
