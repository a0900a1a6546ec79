#include "ui/item_table_model.h"

#include <QBrush>
#include <QFont>

#include "table/cell_shade.h"
#include "table/cell_tip.h"
#include "table/named_cells.h"
#include "ui/qt_text.h"

namespace {

using CellState = ItemTable::CellState;

QVariant Background(CellState state) {
  const std::optional<CellShade> shade = ShadeOf(state);
  if (!shade) return {};
  return QBrush(QColor(shade->red, shade->green, shade->blue));
}

}  // namespace

ItemTableModel::ItemTableModel(const std::string& path, QObject* parent)
    : QAbstractTableModel(parent), table_(std::make_unique<ItemTable>(path)) {}

int ItemTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : LastItem; }

int ItemTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(TableColumns.size());
}

QVariant ItemTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int item = itemAt(index.row());
  const TableColumn column = columnAt(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return FromUtf8(OneLine(table_->Text(item, column)));
    case Qt::EditRole:
      return FromUtf8(table_->EditText(item, column));
    case Qt::ToolTipRole: {
      const std::string tip = CellTip(*table_, item, column);
      return tip.empty() ? QVariant() : QVariant(FromUtf8(tip));
    }
    case Qt::BackgroundRole:
      return Background(table_->State(item, column));
    case Qt::FontRole: {
      if (table_->State(item, column) == CellState::Unchanged) return {};
      QFont font;
      font.setBold(true);
      return font;
    }
    case ChoicesRole: {
      const std::optional<NamedColumn> named = ColumnInfo(column).named;
      if (!named || table_->ShowsBytes()) return {};
      QStringList choices;
      for (const std::string& choice : NamedCellChoices(*named, table_->Routines())) choices << FromUtf8(choice);
      return choices;
    }
    case Qt::TextAlignmentRole:
      if (ColumnInfo(column).alignsRight) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default:
      return {};
  }
}

QVariant ItemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return FromUtf8(TableColumns[static_cast<size_t>(section)].caption);
}

Qt::ItemFlags ItemTableModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (!index.isValid() || !table_->Editable(itemAt(index.row()), columnAt(index.column()))) return flags;
  return flags | Qt::ItemIsEditable;
}

bool ItemTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const std::optional<std::string> problem =
      table_->Commit(itemAt(index.row()), columnAt(index.column()), ToUtf8(value.toString()));
  emit dataChanged(index, index);
  emit editsChanged();
  emit committed(problem ? FromUtf8(*problem) : QString());
  return !problem;
}

void ItemTableModel::showBytes(bool on) {
  table_->ShowBytes(on);
  allChanged();
}

void ItemTableModel::allChanged() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  emit editsChanged();
}
