#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "forms/open_command.h"
#include "forms/window_calls.h"
#include "items/item_fields.h"
#include "items/rom_item_editor.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frmAbout;
class ItemTableWindow;

// The main window. It holds no item logic: each command gathers what the
// controls show, makes one call of RomItemEditor and applies the result. The
// controls are the only place the item's fields live between commands.
class Editor : public QMainWindow {
  Q_OBJECT

 public:
  // Tests hand in fakes of the file dialog and the message box; users get
  // the defaults.
  explicit Editor(DialogSource dialogs = DefaultDialogs(), MessageSink<QWidget*> showMessage = DefaultMessages());

  // Opens the ROM at `path` as the Open command opens the file its dialog
  // returned: the ROM given at start and a file dropped on the window.
  void openFile(const QString& path);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  static DialogSource DefaultDialogs();
  static MessageSink<QWidget*> DefaultMessages();

  void createControls();
  void createMenus();
  static void widenToCaption(QLabel* label);

  void onOpen();
  void applyOpen(const OpenCommandResult& result);
  void onLoad();
  void onSave();
  void onAbout();
  void onItemTable();
  // The item table follows the ROM that an Open leaves open.
  void followOpen(bool supported);

  void showFields(const ItemFields& fields);
  // Each field's tooltip says what its value means, as the fields now stand.
  void explainFields();
  ItemFields gatherFields() const;

  RomItemEditor rom_;
  DialogSource dialogs_;
  MessageSink<QWidget*> showMessage_;
  QPointer<frmAbout> about_;
  QPointer<ItemTableWindow> itemTable_;
  QAction* itemTableAction_ = nullptr;

  QLabel* witchita_ = nullptr;
  QComboBox* item_ = nullptr;
  QComboBox* pocket_ = nullptr;
  QLineEdit* price_ = nullptr;
  QLineEdit* effect_ = nullptr;
  QLineEdit* variable_ = nullptr;
  QLineEdit* options_ = nullptr;
  QLineEdit* how_ = nullptr;
  QLineEdit* asm_ = nullptr;
  QPushButton* load_ = nullptr;
  QGroupBox* frameAsm_ = nullptr;
  QGroupBox* frameItem_ = nullptr;         // its tooltip is the loaded item's description
  std::vector<QGroupBox*> editingFrames_;  // in the order Open enables them
};
