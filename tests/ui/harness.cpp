#include "harness.h"

#include <QTest>

#include "ui/pocket_list.h"

Harness::Harness() : editor(ScriptedDialogs(dialogs), [this](QWidget*, const std::string& text) { messages << QString::fromStdString(text); }) {}

std::filesystem::path Harness::write(const RomBuilder& builder, const char* name) const {
  const std::filesystem::path path = dir.Path(name);
  builder.WriteTo(path);
  return path;
}

void Harness::open(const std::filesystem::path& path) {
  dialogs.answers.push_back(path.string());
  menu("Open");
}

void Harness::load(int index) {
  find<QComboBox>("Item")->setCurrentIndex(index);
  QTest::mouseClick(find<QPushButton>("Load"), Qt::LeftButton);
}

void Harness::type(const char* name, const QString& text) {
  QLineEdit* edit = field(name);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

ItemFields Harness::shown() const {
  ItemFields fields;
  fields.Price = field("Price")->text().toStdString();
  fields.Effect = field("Effect")->text().toStdString();
  fields.Variable = field("Variable")->text().toStdString();
  fields.Options = field("Options")->text().toStdString();
  fields.Pocket = SelectedPocket(*find<QComboBox>("Pocket"));
  fields.How = field("How")->text().toStdString();
  fields.ASM = field("ASM")->text().toStdString();
  return fields;
}

ItemFields FieldsInFile(const std::filesystem::path& path, int index) {
  RomItemEditor reader;
  reader.OpenRom(path.string());
  return reader.LoadItem(static_cast<int16_t>(index)).fields.value_or(ItemFields{});
}
