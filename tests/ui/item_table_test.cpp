// The item table window, driven through its view, menus and model on ROM
// files on disk. The field rules themselves are the core's tests'.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include "harness.h"
#include "items/edition_table.h"
#include "items/item_fields.h"
#include "table/row_order.h"
#include "table/table_design.h"
#include "ui/item_table_model.h"
#include "ui/item_table_window.h"
#include "ui/qt_text.h"

namespace {

const Edition& Gold = EditionTable[0];
constexpr int Potion = 18;

int Column(TableColumn column) { return static_cast<int>(column); }

// Enter in a cell's editor; the view commits once the key has been handled.
void Commit(QWidget* editor) {
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
}

// One table window on a Gold ROM of its own, with messages and the save
// prompt caught.
struct Table {
  Table() : path(dir.Path("rom.gbc")) {
    RomBuilder(RomBuilder::TwoMiB, 7)
        .WithEdition(Gold)
        .WithRecord(Gold, Potion, {0x2C, 0x01, 0x00, 0x14, 0x00, 0x01, 0x40})
        .WriteTo(path);
    window = std::make_unique<ItemTableWindow>(
        path.string(), ScriptedDialogs(dialogs), [this](QWidget*, const std::string& text) { messages << QString::fromStdString(text); },
        [this](QWidget*, const QString& text, bool /*offerSave*/) {
          prompts << text;
          return answer;
        });
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }

  QTableView& view() const { return window->view(); }
  const ItemTable& table() const { return window->model().table(); }
  QString status() const { return window->statusBar()->currentMessage(); }
  void menu(const char* name) const { window->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }

  // Moves to the cell of `item` (unsorted, unfiltered) and types `text`
  // over it, then Enter: the first key starts the edit.
  void type(int item, TableColumn column, const QString& text) const {
    const QModelIndex cell = view().model()->index(item - 1, Column(column));
    view().setCurrentIndex(cell);
    QTest::keyClicks(&view(), text.left(1));
    QWidget* editor = view().indexWidget(cell);
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, text.mid(1));
    Commit(editor);
  }
  // The items in the order the view shows them.
  std::vector<int> shownItems() const {
    std::vector<int> items;
    for (int row = 0; row < view().model()->rowCount(); ++row) {
      items.push_back(view().model()->index(row, 0).data().toInt());
    }
    return items;
  }

  TempDir dir;
  std::filesystem::path path;
  DialogScript dialogs;
  QStringList messages, prompts;
  QMessageBox::StandardButton answer = QMessageBox::Cancel;
  std::unique_ptr<ItemTableWindow> window;
};

}  // namespace

class ItemTableTest : public QObject {
  Q_OBJECT

 private slots:
  void opensOnItemOnesPrice();
  void buildsItsMenusAndColumnsFromTheDesign();
  void commitsEachKindOfCell();
  void picksBerryFromTheEffectListAndShowsItsByte();
  void keepsARefusedValueAsTyped();
  void editsADescriptionOnTwoLines();
  void sortsNumbersAndHexByValue();
  void undoesAndRedoesByKeys();
  void filtersByName();
  void pasteOfACopyChangesNothing();
  void pasteWithARefusedRowAppliesNothing();
  void asksBeforeClosingWithUnsavedEdits();
  void savesOnlyTheTypedPriceFromTheMainWindow();
};

void ItemTableTest::opensOnItemOnesPrice() {
  Table t;
  QCOMPARE(t.window->windowTitle(), QStringLiteral("Item Table - rom.gbc[*]"));
  QCOMPARE(t.view().currentIndex().row(), 0);
  QCOMPARE(t.view().currentIndex().column(), Column(TableColumn::Price));
  QCOMPARE(t.view().model()->rowCount(), LastItem);
}

// Each entry's caption and keys, as the design gives them; a separator is "-".
QStringList DesignedEntries(const MenuDescription& menu) {
  QStringList entries;
  for (const MenuEntry& entry : menu.entries) {
    QString text = entry.name.empty() ? QStringLiteral("-") : FromUtf8(entry.caption);
    for (const Shortcut key : {Shortcut{entry.shortcutKey}, entry.alternative}) {
      if (key.key != 0) text += QStringLiteral(" Ctrl+") + (key.shift ? QStringLiteral("Shift+") : QString()) + key.key;
    }
    entries << text;
  }
  return entries;
}

QStringList ShownEntries(const QMenu& menu) {
  QStringList entries;
  for (const QAction* action : menu.actions()) {
    QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
    for (const QKeySequence& key : action->shortcuts()) text += QLatin1Char(' ') + key.toString();
    entries << text;
  }
  return entries;
}

void ItemTableTest::buildsItsMenusAndColumnsFromTheDesign() {
  Table t;
  QCOMPARE(t.window->size(), QSize(TableWindowWidth, TableWindowHeight));
  // The bar's own menu of entries that do not fit has no name.
  QList<QMenu*> menus = t.window->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
  menus.removeIf([](const QMenu* menu) { return menu->objectName().isEmpty(); });
  QCOMPARE(menus.size(), static_cast<qsizetype>(TableMenus().size()));
  for (size_t index = 0; index < TableMenus().size(); ++index) {
    QCOMPARE(menus[static_cast<qsizetype>(index)]->title().toStdString(), TableMenus()[index].caption);
    QCOMPARE(ShownEntries(*menus[static_cast<qsizetype>(index)]), DesignedEntries(TableMenus()[index]));
  }
  for (const TableColumnInfo& info : TableColumns) {
    QCOMPARE(t.view().model()->headerData(Column(info.column), Qt::Horizontal).toString().toStdString(), info.caption);
    const QVariant alignment = t.view().model()->index(0, Column(info.column)).data(Qt::TextAlignmentRole);
    QCOMPARE(alignment.isValid() && (alignment.value<Qt::Alignment>() & Qt::AlignRight), info.alignsRight);
  }
}

void ItemTableTest::commitsEachKindOfCell() {
  Table t;
  t.type(Potion, TableColumn::Price, QStringLiteral("350"));
  t.type(Potion, TableColumn::Effect, QStringLiteral("held_berry"));
  t.type(Potion, TableColumn::Routine, QStringLiteral("4a1f"));
  // The pocket cell is the main window's list.
  t.view().setCurrentIndex(t.view().model()->index(Potion - 1, Column(TableColumn::Pocket)));
  QTest::keyClick(&t.view(), Qt::Key_F2);
  auto* list = qobject_cast<QComboBox*>(t.view().indexWidget(t.view().currentIndex()));
  QVERIFY(list != nullptr);
  list->setCurrentIndex(2);
  Commit(list);

  const std::vector<std::pair<TableColumn, std::string>> expected{{TableColumn::Price, "350"},
                                                                  {TableColumn::Effect, "Berry"},
                                                                  {TableColumn::Routine, "4A1F"},
                                                                  {TableColumn::Pocket, "Key"}};
  for (const auto& [column, text] : expected) {
    QCOMPARE(t.table().Text(Potion, column), text);
    QCOMPARE(t.table().State(Potion, column), ItemTable::CellState::Changed);
  }
  QVERIFY(t.window->isWindowModified());
  const auto bold = [&t](TableColumn column) {
    return t.view().model()->index(Potion - 1, Column(column)).data(Qt::FontRole).value<QFont>().bold();
  };
  QVERIFY(bold(TableColumn::Price) && !bold(TableColumn::Variable));
  // Items past 179 have no pointer to edit.
  QVERIFY(!(t.view().model()->index(179, Column(TableColumn::Routine)).flags() & Qt::ItemIsEditable));
}

void ItemTableTest::picksBerryFromTheEffectListAndShowsItsByte() {
  Table t;
  t.view().setCurrentIndex(t.view().model()->index(Potion - 1, Column(TableColumn::Effect)));
  QTest::keyClick(&t.view(), Qt::Key_F2);
  auto* list = qobject_cast<QComboBox*>(t.view().indexWidget(t.view().currentIndex()));
  QVERIFY(list != nullptr && list->isEditable());
  list->setCurrentIndex(list->findText(QStringLiteral("Berry")));
  Commit(list);
  t.menu("Save");
  QCOMPARE(t.status(), QStringLiteral("Saved."));
  QCOMPARE(ReadFileBytes(t.path)[static_cast<size_t>(RecordAddress(Gold.itemTableBase, Potion)) + 2], uint8_t{0x01});
  t.menu("ShowBytes");
  QVERIFY(t.window->findChild<QAction*>(QStringLiteral("ShowBytes"))->isChecked());
  QCOMPARE(t.view().model()->index(Potion - 1, Column(TableColumn::Effect)).data().toString(), QStringLiteral("01"));
}

void ItemTableTest::keepsARefusedValueAsTyped() {
  Table t;
  t.type(Potion, TableColumn::Price, QStringLiteral("70000"));
  QCOMPARE(t.table().Text(Potion, TableColumn::Price), "70000");
  QCOMPARE(t.table().State(Potion, TableColumn::Price), ItemTable::CellState::Refused);
  QCOMPARE(t.status(), QStringLiteral("Price: enter a whole number from -32768 to 65535."));
  // Longer than the main window's box: refused whole, not cut short.
  t.type(Potion, TableColumn::Variable, QStringLiteral("0001"));
  QCOMPARE(t.table().Text(Potion, TableColumn::Variable), "0001");
  QCOMPARE(t.status(), QStringLiteral("Var.: enter one or two hexadecimal digits (00 to FF), or leave it empty."));
}

void ItemTableTest::editsADescriptionOnTwoLines() {
  Table t;
  const QModelIndex cell = t.view().model()->index(Potion - 1, Column(TableColumn::Description));
  t.view().setCurrentIndex(cell);
  // Typing replaces the text; Shift+Enter breaks the line, Enter commits.
  QTest::keyClicks(&t.view(), QStringLiteral("H"));
  auto* box = qobject_cast<QPlainTextEdit*>(t.view().indexWidget(cell));
  QVERIFY(box != nullptr);
  QTest::keyClicks(box, QStringLiteral("P"));
  QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(box, QStringLiteral("UP"));
  Commit(box);

  QCOMPARE(t.table().Text(Potion, TableColumn::Description), "HP\nUP");
  QCOMPARE(t.table().State(Potion, TableColumn::Description), ItemTable::CellState::Changed);
  QCOMPARE(cell.data().toString(), QStringLiteral("HP \u21B5 UP"));
  QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("HP\nUP"));
}

void ItemTableTest::sortsNumbersAndHexByValue() {
  Table t;
  for (const TableColumn column : {TableColumn::Price, TableColumn::Effect}) {
    t.view().horizontalHeader()->setSortIndicator(Column(column), Qt::AscendingOrder);
    std::vector<int> values;
    for (int item : t.shownItems()) values.push_back(t.table().SortValue(item, column));
    QVERIFY(std::ranges::is_sorted(values));
  }
  // Names in the order the Win32 list shows them too.
  t.view().horizontalHeader()->setSortIndicator(Column(TableColumn::Name), Qt::DescendingOrder);
  QCOMPARE(t.shownItems(), ShownItems(t.table(), "", TableSort{TableColumn::Name, false}));
  // An edit does not move its row until the header is clicked again.
  const std::vector<int> order = t.shownItems();
  const QModelIndex first = t.view().model()->index(0, Column(TableColumn::Effect));
  t.view().setCurrentIndex(first);
  QTest::keyClicks(&t.view(), QStringLiteral("F"));
  QTest::keyClicks(t.view().indexWidget(first), QStringLiteral("F"));
  Commit(t.view().indexWidget(first));
  QCOMPARE(t.shownItems(), order);
  QCOMPARE(t.view().currentIndex().row(), 0);
}

void ItemTableTest::undoesAndRedoesByKeys() {
  Table t;
  const auto enabled = [&t](const char* name) {
    return t.window->findChild<QAction*>(QString::fromLatin1(name))->isEnabled();
  };
  QVERIFY(!enabled("Undo"));
  t.type(Potion, TableColumn::Price, QStringLiteral("350"));
  QVERIFY(enabled("Undo") && !enabled("Redo"));
  QTest::keySequence(t.window.get(), QKeySequence(QStringLiteral("Ctrl+Z")));
  QCOMPARE(t.table().State(Potion, TableColumn::Price), ItemTable::CellState::Unchanged);
  QCOMPARE(t.status(), QStringLiteral("Undone."));
  QVERIFY(!enabled("Undo") && enabled("Redo"));
  QTest::keySequence(t.window.get(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
  QCOMPARE(t.table().Text(Potion, TableColumn::Price), "350");
}

void ItemTableTest::filtersByName() {
  Table t;
  t.menu("Find");
  QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Filter"));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("POTION"));
  const std::vector<int> shown = t.shownItems();
  QVERIFY(std::ranges::find(shown, Potion) != shown.end());
  for (int item : shown) {
    QVERIFY2(QString::fromStdString(t.table().Text(item, TableColumn::Name)).contains("potion", Qt::CaseInsensitive),
             t.table().Text(item, TableColumn::Name).c_str());
  }
}

void ItemTableTest::pasteOfACopyChangesNothing() {
  Table t;
  t.view().selectAll();
  t.menu("Copy");
  QVERIFY(QApplication::clipboard()->text().startsWith(
      "No.\tName\tPrice\tEffect\tVar.\tPocket\tUse\tField Menu\tBattle Menu\tRoutine\tDescription\tEdition\n1\t"));
  t.menu("Paste");
  QCOMPARE(t.messages, QStringList{});
  QVERIFY(!t.table().HasEdits());
}

void ItemTableTest::pasteWithARefusedRowAppliesNothing() {
  Table t;
  QApplication::clipboard()->setText(QStringLiteral("No.\tPrice\n18\t350\n19\t70000\n"));
  t.menu("Paste");
  QCOMPARE(t.messages, QStringList{QStringLiteral("\"Pasted text\" line 3, price: Price: enter a whole number from "
                                                  "-32768 to 65535.\nNothing was pasted.")});
  QVERIFY(!t.table().HasEdits());
}

void ItemTableTest::asksBeforeClosingWithUnsavedEdits() {
  Table t;
  t.menu("Close");
  QVERIFY(t.prompts.isEmpty());
  t.window->show();
  t.type(Potion, TableColumn::Price, QStringLiteral("350"));
  const auto before = ReadFileBytes(t.path);

  t.answer = QMessageBox::Cancel;
  QVERIFY(!t.window->close());
  QCOMPARE(t.prompts.size(), 1);
  t.answer = QMessageBox::Discard;
  QVERIFY(t.window->close());
  QCOMPARE(ReadFileBytes(t.path), before);

  t.window->show();
  t.type(Potion, TableColumn::Price, QStringLiteral("350"));
  t.answer = QMessageBox::Save;
  QVERIFY(t.window->close());
  QCOMPARE(DifferingOffsets(before, ReadFileBytes(t.path)).size(), size_t{1});
}

void ItemTableTest::savesOnlyTheTypedPriceFromTheMainWindow() {
  Harness h;
  const auto path = h.write(RomBuilder(RomBuilder::TwoMiB, 7)
                                .WithEdition(Gold)
                                .WithRecord(Gold, Potion, {0x2C, 0x01, 0x00, 0x14, 0x00, 0x01, 0x40}));
  const auto original = ReadFileBytes(path);
  QVERIFY(!h.find<QAction>("ItemTable")->isEnabled());
  h.open(path);
  QCOMPARE(h.find<QAction>("ItemTable")->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
  h.menu("ItemTable");
  ItemTableWindow* window = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* table = qobject_cast<ItemTableWindow*>(widget)) window = table;
  }
  QVERIFY(window != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(window));
  window->view().setCurrentIndex(window->view().model()->index(Potion - 1, Column(TableColumn::Price)));
  QTest::keyClick(&window->view(), Qt::Key_F2);
  auto* editor = qobject_cast<QLineEdit*>(window->view().indexWidget(window->view().currentIndex()));
  QVERIFY(editor != nullptr);
  editor->setText(QStringLiteral("4660"));
  // Saved while the cell is still being edited: the typed value is what is saved.
  QTest::keySequence(window, QKeySequence::Save);
  QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Saved."));

  const auto record = static_cast<size_t>(RecordAddress(Gold.itemTableBase, Potion));
  QCOMPARE(DifferingOffsets(original, ReadFileBytes(path)), (std::vector<size_t>{record, record + 1}));
  QCOMPARE(FieldsInFile(path, Potion).Price, std::string("4660"));
  window->close();
}

int RunItemTableTests(int argc, char* argv[]) {
  ItemTableTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "item_table_test.moc"
