#include "ui/item_table_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <set>

#include "dialogs/cls_common_dialog.h"
#include "table/table_design.h"
#include "table/table_texts.h"
#include "table/table_transfer.h"
#include "ui/item_table_delegate.h"
#include "ui/item_table_model.h"
#include "ui/item_table_proxy.h"
#include "ui/menu_actions.h"
#include "ui/qt_text.h"

ItemTableWindow::SavePrompt ItemTableWindow::AskToSave() {
  return [](QWidget* owner, const QString& text, bool offerSave) {
    const QMessageBox::StandardButtons buttons =
        (offerSave ? QMessageBox::Save : QMessageBox::NoButton) | QMessageBox::Discard | QMessageBox::Cancel;
    return QMessageBox::question(owner, QStringLiteral("Kestrune"), text, buttons,
                                 offerSave ? QMessageBox::Save : QMessageBox::Cancel);
  };
}

ItemTableWindow::ItemTableWindow(const std::string& path, DialogSource dialogs, MessageSink<QWidget*> showMessage,
                                 SavePrompt askToSave)
    : dialogs_(std::move(dialogs)), showMessage_(std::move(showMessage)), askToSave_(std::move(askToSave)) {
  setObjectName(QStringLiteral("ItemTable"));
  proxy_ = new ItemTableProxy(this);
  view_ = new QTableView(this);
  view_->setObjectName(QStringLiteral("Items"));
  delegate_ = new ItemTableDelegate(view_);
  view_->setItemDelegate(delegate_);
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
  resize(TableWindowWidth, TableWindowHeight);
}

// A plain row rather than a toolbar: the style paints a toolbar's gradient
// across the whole window, a third of what the table itself costs to paint.
QWidget* ItemTableWindow::filterAbove(QTableView* view) {
  auto* page = new QWidget(this);
  auto* filterRow = new QHBoxLayout;
  filter_ = new QLineEdit(page);
  filter_->setObjectName(QStringLiteral("Filter"));
  filter_->setPlaceholderText(FromUtf8(FilterHint));
  // The clear button's icon costs a tenth of the opening: it is made at the
  // first letter typed.
  connect(
      filter_, &QLineEdit::textEdited, filter_, [this] { filter_->setClearButtonEnabled(true); },
      Qt::SingleShotConnection);
  auto* label = new QLabel(FromUtf8(FilterCaption), page);
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
  const int digit = view_->fontMetrics().horizontalAdvance(u'0');
  const int padding = 2 * view_->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view_) + digit;
  for (const TableColumnInfo& info : TableColumns) {
    const int width = std::max(info.characters * digit, view_->fontMetrics().horizontalAdvance(FromUtf8(info.caption)));
    view_->horizontalHeader()->resizeSection(static_cast<int>(info.column), width + padding);
  }
}

void ItemTableWindow::createMenus() {
  const MenuCommands commands = {{"Import", [this] { onImport(); }}, {"Export", [this] { onExport(); }},
                                 {"Symbols", [this] { onSymbols(); }},
                                 {"Save", [this] { onSave(); }},     {"Revert", [this] { onRevert(); }},
                                 {"Close", [this] { close(); }},     {"Undo", [this] { onUndo(); }},
                                 {"Redo", [this] { onRedo(); }},     {"Copy", [this] { onCopy(); }},
                                 {"Paste", [this] { onPaste(); }},   {"Find", [this] { onFind(); }},
                                 {"ShowBytes", [this] { onShowBytes(); }}};
  for (const MenuDescription& menu : TableMenus()) AddMenu(menuBar(), menu, commands);
}

void ItemTableWindow::useModel(std::unique_ptr<ItemTableModel> model) {
  // Another file shows as the last one did.
  if (model_) model->table().ShowBytes(model_->table().ShowsBytes());
  proxy_->setSourceModel(model.get());
  view_->setModel(proxy_);
  model_ = std::move(model);
  connect(model_.get(), &ItemTableModel::committed, this,
          [this](const QString& refusal) { statusBar()->showMessage(refusal); });
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
  for (QAction* action : menuBar()->findChildren<QAction*>()) {
    if (action->objectName().isEmpty()) continue;
    const std::string entry = ToUtf8(action->objectName());
    action->setEnabled(EntryEnabled(model_->table(), entry));
    if (const std::optional<bool> checked = EntryChecked(model_->table(), entry)) {
      action->setCheckable(true);
      action->setChecked(*checked);
    }
  }
}

bool ItemTableWindow::settle() {
  if (!commitEdit()) return false;
  const std::optional<TableQuestion> question = QuestionBefore(model_->table(), "Close");
  if (!question) return true;
  switch (askToSave_(this, FromUtf8(question->text), question->offerSave)) {
    case QMessageBox::Save:
      return onSave();
    case QMessageBox::Discard:
      showOutcome(model_->run(DiscardCommand));
      return true;
    default:
      return false;
  }
}

void ItemTableWindow::showRom(const std::string& path) { useModel(std::make_unique<ItemTableModel>(path)); }

void ItemTableWindow::fileSaved() {
  const CommandOutcome outcome = model_->run(RereadCommand);
  if (!outcome.done) statusBar()->showMessage(FromUtf8(outcome.status));
}

void ItemTableWindow::closeEvent(QCloseEvent* event) {
  if (settle()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool ItemTableWindow::commitEdit() {
  const std::optional<QPersistentModelIndex> edited = delegate_->commitOpenEditor();
  if (!edited || !edited->isValid()) return true;
  const QModelIndex cell = proxy_->mapToSource(*edited);
  const std::string refusal =
      model_->table().Refusal(ItemTableModel::itemAt(cell.row()), ItemTableModel::columnAt(cell.column()));
  if (refusal.empty()) return true;
  statusBar()->showMessage(FromUtf8(refusal));
  return false;
}

bool ItemTableWindow::showOutcome(const CommandOutcome& outcome) {
  statusBar()->showMessage(FromUtf8(outcome.status));
  if (outcome.message) showMessage_(this, *outcome.message);
  return outcome.done;
}

bool ItemTableWindow::onSave() {
  commitEdit();
  return showOutcome(model_->run(SaveCommand));
}

void ItemTableWindow::onRevert() {
  if (!commitEdit()) return;
  const std::optional<TableQuestion> question = QuestionBefore(model_->table(), "Revert");
  if (question && askToSave_(this, FromUtf8(question->text), question->offerSave) != QMessageBox::Discard) return;
  showOutcome(model_->run(RevertCommand));
}

std::string ItemTableWindow::chooseFileToRead(std::string_view title, std::string_view filter,
                                              const std::string& folder) {
  if (!commitEdit()) return {};
  clsCommonDialog dialog(dialogs_());
  return dialog.ShowOpen(static_cast<intptr_t>(winId()), std::string(title), folder, std::string(filter));
}

void ItemTableWindow::onImport() {
  const std::string path = chooseFileToRead(ImportDialogTitle, ImportDialogFilter);
  if (!path.empty()) showOutcome(model_->run(ImportCommand, path));
}

void ItemTableWindow::onExport() {
  if (!commitEdit()) return;
  clsCommonDialog dialog(dialogs_());
  const std::string path = dialog.ShowSave(static_cast<intptr_t>(winId()), std::string(ExportDialogTitle),
                                           std::string(ExportDialogFileName), "", std::string(ExportDialogFilter));
  if (path.empty()) return;
  showOutcome(ExportCommand(model_->table(), path));
}

void ItemTableWindow::onSymbols() {
  const std::string path = chooseFileToRead(SymbolsDialogTitle, SymbolsDialogFilter, SymbolsDialogFolder(model_->table()));
  if (!path.empty()) showOutcome(model_->run(SymbolsCommand, path));
}

std::vector<int> ItemTableWindow::selectedItems() const {
  std::set<int> rows;
  for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) rows.insert(index.row());
  if (rows.empty() && view_->currentIndex().isValid()) rows.insert(view_->currentIndex().row());
  return proxy_->itemsOfRows({rows.begin(), rows.end()});
}

PasteTarget ItemTableWindow::pasteTarget() const {
  const auto cellOf = [this](const QModelIndex& index) {
    const QModelIndex cell = proxy_->mapToSource(index);
    return TableCell{ItemTableModel::itemAt(cell.row()), ItemTableModel::columnAt(cell.column())};
  };
  PasteTarget target;
  std::vector<int> rows(static_cast<size_t>(proxy_->rowCount()));
  std::iota(rows.begin(), rows.end(), 0);
  target.shown = proxy_->itemsOfRows(rows);
  if (view_->currentIndex().isValid()) target.current = cellOf(view_->currentIndex());
  QModelIndexList selected = view_->selectionModel()->selectedIndexes();
  std::ranges::sort(selected, [](const QModelIndex& a, const QModelIndex& b) {
    return std::pair(a.row(), a.column()) < std::pair(b.row(), b.column());
  });
  for (const QModelIndex& index : selected) target.selected.push_back(cellOf(index));
  return target;
}

void ItemTableWindow::onCopy() {
  if (!commitEdit()) return;
  QApplication::clipboard()->setText(FromUtf8(CopyRows(model_->table(), selectedItems())));
}

void ItemTableWindow::onPaste() {
  if (!commitEdit() || !view_->currentIndex().isValid()) return;
  showOutcome(model_->run(PasteCommand, ToUtf8(QApplication::clipboard()->text()), pasteTarget()));
}

void ItemTableWindow::onUndo() {
  if (commitEdit()) showOutcome(model_->run(UndoCommand));
}

void ItemTableWindow::onRedo() {
  if (commitEdit()) showOutcome(model_->run(RedoCommand));
}

void ItemTableWindow::onShowBytes() {
  if (!commitEdit()) return;
  model_->showBytes(!model_->table().ShowsBytes());
}

void ItemTableWindow::onFind() {
  filter_->setFocus(Qt::ShortcutFocusReason);
  filter_->selectAll();
}
