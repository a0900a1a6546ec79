#include "ui/item_table_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <set>

#include "dialogs/cls_common_dialog.h"
#include "exchange/cli_error.h"
#include "table/table_texts.h"
#include "table/table_transfer.h"
#include "ui/item_table_delegate.h"
#include "ui/item_table_model.h"
#include "ui/item_table_proxy.h"
#include "ui/qt_text.h"

ItemTableWindow::SavePrompt ItemTableWindow::AskToSave() {
  return [](QWidget* owner, const QString& text) {
    return QMessageBox::question(owner, QStringLiteral("Kestrune"), text,
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  };
}

ItemTableWindow::ItemTableWindow(const std::string& path, DialogSource dialogs, MessageSink showMessage,
                                 SavePrompt askToSave)
    : dialogs_(std::move(dialogs)), showMessage_(std::move(showMessage)), askToSave_(std::move(askToSave)) {
  setObjectName(QStringLiteral("ItemTable"));
  proxy_ = new ItemTableProxy(this);
  view_ = new QTableView(this);
  view_->setObjectName(QStringLiteral("Items"));
  view_->setItemDelegate(new ItemTableDelegate(view_));
  view_->setSortingEnabled(true);
  view_->sortByColumn(-1, Qt::AscendingOrder);
  view_->verticalHeader()->hide();
  // One line of text a row, as in a spreadsheet.
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  setCentralWidget(filterAbove(view_));
  connect(filter_, &QLineEdit::textChanged, proxy_, &ItemTableProxy::setNameFilter);
  createMenus();
  statusBar();
  useModel(std::make_unique<ItemTableModel>(path));
  resize(900, 600);
}

// A plain row rather than a toolbar: the style paints a toolbar's gradient
// across the whole window, a third of what the table itself costs to paint.
QWidget* ItemTableWindow::filterAbove(QTableView* view) {
  auto* page = new QWidget(this);
  auto* filterRow = new QHBoxLayout;
  filter_ = new QLineEdit(page);
  filter_->setObjectName(QStringLiteral("Filter"));
  filter_->setPlaceholderText(QStringLiteral("Name"));
  // The clear button's icon costs a tenth of the opening: it is made at the
  // first letter typed.
  connect(filter_, &QLineEdit::textEdited, filter_, [this] { filter_->setClearButtonEnabled(true); },
          Qt::SingleShotConnection);
  auto* label = new QLabel(QStringLiteral("Filter:"), page);
  label->setBuddy(filter_);
  filterRow->addWidget(label);
  filterRow->addWidget(filter_, 1);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  filterRow->setContentsMargins(column->spacing(), column->spacing(), column->spacing(), 0);
  column->addLayout(filterRow);
  column->addWidget(view);
  return page;
}

// Widths from the longest text each column holds, in characters: measuring
// every cell would cost more than the rest of the opening.
void ItemTableWindow::sizeColumns() {
  constexpr std::array<int, TableColumns.size()> characters{4, 14, 7, 6, 6, 8, 6, 6, 11, 30};
  const int digit = view_->fontMetrics().horizontalAdvance(u'0');
  const int padding = 2 * view_->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view_) + digit;
  for (size_t column = 0; column < characters.size(); ++column) {
    const int width = std::max(characters[column] * digit,
                               view_->fontMetrics().horizontalAdvance(FromUtf8(TableColumns[column].caption)));
    view_->horizontalHeader()->resizeSection(static_cast<int>(column), width + padding);
  }
}

void ItemTableWindow::createMenus() {
  const auto add = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys,
                          void (ItemTableWindow::*command)()) {
    QAction* action = menu->addAction(caption, this, command);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    return action;
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  add(file, "Import", QStringLiteral("Import…"), {}, &ItemTableWindow::onImport);
  add(file, "Export", QStringLiteral("Export…"), {}, &ItemTableWindow::onExport);
  file->addSeparator();
  QAction* save = file->addAction(QStringLiteral("Save"), this, [this] { onSave(); });
  save->setObjectName(QStringLiteral("Save"));
  save->setShortcut(QKeySequence::Save);
  add(file, "Revert", QStringLiteral("Revert"), {}, &ItemTableWindow::onRevert);
  file->addSeparator();
  QAction* close = file->addAction(QStringLiteral("Close"), this, &QWidget::close);
  close->setObjectName(QStringLiteral("Close"));
  close->setShortcut(QKeySequence(QStringLiteral("Ctrl+W")));
  QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
  add(edit, "Copy", QStringLiteral("Copy"), QKeySequence::Copy, &ItemTableWindow::onCopy);
  add(edit, "Paste", QStringLiteral("Paste"), QKeySequence::Paste, &ItemTableWindow::onPaste);
  add(edit, "Find", QStringLiteral("Filter"), QKeySequence::Find, &ItemTableWindow::onFind);
}

void ItemTableWindow::useModel(std::unique_ptr<ItemTableModel> model) {
  proxy_->setSourceModel(model.get());
  view_->setModel(proxy_);
  model_ = std::move(model);
  connect(model_.get(), &ItemTableModel::refused, this,
          [this](const QString& reason) { statusBar()->showMessage(reason); });
  connect(model_.get(), &ItemTableModel::editsChanged, this, &ItemTableWindow::updateTitle);
  proxy_->setNameFilter(filter_->text());
  sizeColumns();
  view_->setCurrentIndex(proxy_->index(0, static_cast<int>(TableColumn::Price)));
  updateTitle();
}

void ItemTableWindow::updateTitle() {
  // "[*]" shows where the platform marks a window with unsaved changes.
  setWindowTitle(FromUtf8(TableTitle(model_->table())) + QStringLiteral("[*]"));
  setWindowModified(model_->table().HasEdits());
}

bool ItemTableWindow::settle() {
  if (!model_->table().HasEdits()) return true;
  switch (askToSave_(this, FromUtf8(UnsavedEditsQuestion(model_->table())))) {
    case QMessageBox::Save:
      return onSave();
    case QMessageBox::Discard:
      model_->revertToFile();
      return true;
    default:
      return false;
  }
}

void ItemTableWindow::showRom(const std::string& path) { useModel(std::make_unique<ItemTableModel>(path)); }

void ItemTableWindow::fileSaved() {
  try {
    model_->rereadFile();
  } catch (const CliError& error) {
    statusBar()->showMessage(FromUtf8(error.what()));
  }
}

void ItemTableWindow::closeEvent(QCloseEvent* event) {
  if (settle()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool ItemTableWindow::onSave() {
  if (const std::optional<QString> problem = model_->save()) {
    showMessage_(this, *problem);
    return false;
  }
  statusBar()->showMessage(FromUtf8(TableSaved));
  return true;
}

void ItemTableWindow::onRevert() {
  try {
    model_->revertToFile();
  } catch (const CliError& error) {
    showMessage_(this, FromUtf8(error.what()));
  }
}

void ItemTableWindow::reportProblems(const std::vector<std::string>& problems, std::string_view whatNot) {
  if (problems.empty()) return;
  statusBar()->showMessage(FromUtf8(whatNot));
  showMessage_(this, FromUtf8(ProblemsMessage(problems, whatNot)));
}

void ItemTableWindow::onImport() {
  clsCommonDialog dialog(dialogs_());
  const std::string path = dialog.ShowOpen(static_cast<intptr_t>(winId()), std::string(ImportDialogTitle), "",
                                           std::string(ImportDialogFilter));
  if (path.empty()) return;
  reportProblems(model_->importFile(path), NothingImported);
}

void ItemTableWindow::onExport() {
  clsCommonDialog dialog(dialogs_());
  const std::string path = dialog.ShowSave(static_cast<intptr_t>(winId()), std::string(ExportDialogTitle),
                                           std::string(ExportDialogFileName), "", std::string(ExportDialogFilter));
  if (path.empty()) return;
  try {
    ExportToFile(model_->table(), path);
  } catch (const CliError& error) {
    showMessage_(this, FromUtf8(error.what()));
  }
}

std::vector<int> ItemTableWindow::selectedItems() const {
  std::set<int> rows;
  for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) rows.insert(index.row());
  if (rows.empty() && view_->currentIndex().isValid()) rows.insert(view_->currentIndex().row());
  return proxy_->itemsOfRows({rows.begin(), rows.end()});
}

void ItemTableWindow::onCopy() {
  QApplication::clipboard()->setText(FromUtf8(CopyRows(model_->table(), selectedItems())));
}

void ItemTableWindow::onPaste() {
  reportProblems(model_->paste(QApplication::clipboard()->text(), selectedItems()), NothingPasted);
}

void ItemTableWindow::onFind() {
  filter_->setFocus(Qt::ShortcutFocusReason);
  filter_->selectAll();
}
