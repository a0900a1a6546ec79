#include "ui/field_tooltips.h"

#include <QComboBox>

#include "items/item_meaning.h"
#include "ui/pocket_list.h"

void ExplainPocketList(QComboBox& list) {
  const auto explain = [&list] { list.setToolTip(QString::fromStdString(DescribePocket(SelectedPocket(list)))); };
  QObject::connect(&list, &QComboBox::currentIndexChanged, &list, explain);
  explain();
}
