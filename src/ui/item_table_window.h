#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "forms/window_calls.h"
#include "table/table_commands.h"

class QLineEdit;
class QTableView;
class ItemTableDelegate;
class ItemTableModel;
class ItemTableProxy;

// "Item Table - FILE": every item of the open ROM at once, edited in place.
// Edits stay pending until Save writes the bytes that changed; closing with
// edits pending asks first. The window holds no item logic: the model's
// ItemTable decides, and the window shows what it says.
class ItemTableWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Asks whether to save pending edits, with Save, Discard and Cancel, or,
  // without `offerSave`, only whether to drop them: Discard or Cancel.
  using SavePrompt = std::function<QMessageBox::StandardButton(QWidget* owner, const QString& text, bool offerSave)>;

  // Reads the ROM at `path`; throws a Refused when it cannot.
  ItemTableWindow(const std::string& path, DialogSource dialogs, MessageSink<QWidget*> showMessage,
                  SavePrompt askToSave = AskToSave());

  ItemTableModel& model() const { return *model_; }
  QTableView& view() const { return *view_; }

  // Commits the cell being edited, then settles pending edits as the user
  // chooses; false when the user cancels or the Save fails, and the edits stay.
  bool settle();
  // Shows the ROM at `path` instead; throws a Refused when it cannot be read.
  void showRom(const std::string& path);
  // The main window saved into the file: the file as it is now is the
  // starting point, under the edits still pending.
  void fileSaved();

  static SavePrompt AskToSave();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createMenus();
  QWidget* filterAbove(QTableView* view);
  void sizeColumns();
  void useModel(std::unique_ptr<ItemTableModel> model);
  void updateTitle();

  // Commits the cell being edited; false, with the reason shown, when its text is refused.
  bool commitEdit();
  // Shows what a command of the core said.
  bool showOutcome(const CommandOutcome& outcome);
  bool onSave();
  void onRevert();
  // The file the user picks in an Open dialog, after the cell being typed is
  // committed; empty when either is cancelled or refused. It starts in
  // `folder`, or where the last one left off.
  std::string chooseFileToRead(std::string_view title, std::string_view filter, const std::string& folder = {});
  void onImport();
  void onExport();
  void onSymbols();
  void onCopy();
  void onPaste();
  void onUndo();
  void onRedo();
  void onFind();
  void onShowBytes();
  std::vector<int> selectedItems() const;
  PasteTarget pasteTarget() const;

  DialogSource dialogs_;
  MessageSink<QWidget*> showMessage_;
  SavePrompt askToSave_;
  std::unique_ptr<ItemTableModel> model_;
  ItemTableProxy* proxy_ = nullptr;
  ItemTableDelegate* delegate_ = nullptr;
  QTableView* view_ = nullptr;
  QLineEdit* filter_ = nullptr;
};
