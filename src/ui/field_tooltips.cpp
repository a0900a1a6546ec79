#include "ui/field_tooltips.h"

#include <QComboBox>
#include <QLineEdit>

#include "items/item_meaning.h"
#include "ui/pocket_list.h"

void ExplainTextBox(QLineEdit& box, const DescribeText& describe, QLineEdit* also) {
  const auto explain = [&box, describe] { box.setToolTip(QString::fromStdString(describe(box.text().toStdString()))); };
  QObject::connect(&box, &QLineEdit::textChanged, &box, explain);
  if (also != nullptr) QObject::connect(also, &QLineEdit::textChanged, &box, explain);
  explain();
}

void ExplainPocketList(QComboBox& list) {
  const auto explain = [&list] { list.setToolTip(QString::fromStdString(DescribePocket(SelectedPocket(list)))); };
  QObject::connect(&list, &QComboBox::currentIndexChanged, &list, explain);
  explain();
}
