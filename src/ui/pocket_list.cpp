#include "ui/pocket_list.h"

#include <QComboBox>

#include "items/item_meaning.h"
#include "items/item_names.h"
#include "ui/qt_text.h"

namespace {

constexpr int KnownPockets = static_cast<int>(PocketCount);

}  // namespace

void FillPocketList(QComboBox& list) {
  for (int value = 0; value < KnownPockets; ++value) {
    const std::string_view name = PocketNames[static_cast<std::size_t>(value)];
    list.addItem(FromUtf8(name), value);
  }
  list.setCurrentIndex(-1);
}

void ShowPocket(QComboBox& list, int16_t value) {
  // At most one extra entry: the one of the item loaded last.
  while (list.count() > KnownPockets) list.removeItem(list.count() - 1);
  if (value >= KnownPockets) {
    // The list is too narrow for more than the byte itself; the tooltip says what it is.
    list.addItem(FromUtf8(UnknownPocketEntry(value)), value);
    list.setItemData(KnownPockets, FromUtf8(DescribePocket(value)), Qt::ToolTipRole);
  }
  list.setCurrentIndex(value < 0 ? -1 : list.findData(value));
}

int16_t SelectedPocket(const QComboBox& list) {
  if (list.currentIndex() < 0) return -1;
  return static_cast<int16_t>(list.currentData().toInt());
}
