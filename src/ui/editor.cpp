#include "ui/editor.h"

#include <algorithm>
#include <map>

#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>

#include "forms/editor_form.h"
#include "forms/field_tips.h"
#include "forms/item_choice.h"
#include "forms/open_command.h"
#include "items/refusal.h"
#include "ui/about_window.h"
#include "ui/app_icon.h"
#include "ui/form_builder.h"
#include "ui/item_list.h"
#include "ui/item_table_window.h"
#include "ui/menu_actions.h"
#include "ui/message_box.h"
#include "ui/pocket_list.h"
#include "ui/qt_file_dialog.h"
#include "ui/qt_text.h"
#include "ui/rom_drop.h"
#include "ui/twips.h"

DialogSource Editor::DefaultDialogs() { return MakePlatformFileDialog; }
MessageSink<QWidget*> Editor::DefaultMessages() { return ShowMessage; }

Editor::Editor(DialogSource dialogs, MessageSink<QWidget*> showMessage)
    : dialogs_(std::move(dialogs)), showMessage_(std::move(showMessage)) {
  const FormDescription& form = EditorForm();
  setObjectName(FromUtf8(form.name));
  setWindowTitle(FromUtf8(form.caption));
  setWindowIcon(KestruneIcon());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  createControls();
  createMenus();
  setAcceptDrops(true);
  // The client area below the menu bar has the designed size, and the user cannot change it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Editor::createControls() {
  const FormDescription& form = EditorForm();
  auto* client = new QWidget(this);
  client->setFixedSize(Twips(form.clientWidth), Twips(form.clientHeight));
  setCentralWidget(client);
  const FormControls controls(form, client);

  witchita_ = controls.get<QLabel>("Witchita");
  item_ = controls.get<QComboBox>("Item");
  pocket_ = controls.get<QComboBox>("Pocket");
  price_ = controls.get<QLineEdit>("Price");
  effect_ = controls.get<QLineEdit>("Effect");
  variable_ = controls.get<QLineEdit>("Variable");
  options_ = controls.get<QLineEdit>("Options");
  how_ = controls.get<QLineEdit>("How");
  asm_ = controls.get<QLineEdit>("ASM");
  load_ = controls.get<QPushButton>("Load");
  frameAsm_ = controls.get<QGroupBox>("FrameASM");
  frameItem_ = controls.get<QGroupBox>("FrameItem");
  for (const std::string_view name : EditingFrames) editingFrames_.push_back(controls.get<QGroupBox>(name));

  FillItemList(*item_);
  FillPocketList(*pocket_);
  for (QLineEdit* box : {effect_, variable_, options_, how_, asm_}) {
    connect(box, &QLineEdit::textChanged, this, &Editor::explainFields);
  }
  connect(pocket_, &QComboBox::currentIndexChanged, this, &Editor::explainFields);
  explainFields();
  connect(load_, &QPushButton::clicked, this, &Editor::onLoad);
  asm_->setAccessibleName(controls.get<QLabel>("Label1")->text());
  widenToCaption(controls.get<QLabel>("Label1"));
  // Qt passes over the controls of a disabled frame by itself.
  const std::vector<QWidget*> order = controls.tabOrder();
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Editor::widenToCaption(QLabel* label) {
  // The designed width fits the font the window was drawn with; a wider
  // default font would cut the caption short. A label has no border, so
  // letting it reach the frame's edge changes nothing else.
  label->setWordWrap(false);
  const int fullWidth = std::min(label->sizeHint().width(), label->parentWidget()->width() - label->x());
  label->resize(std::max(label->width(), fullWidth), label->height());
}

void Editor::createMenus() {
  const MenuCommands commands = {{"Open", [this] { onOpen(); }},
                                 {"Save", [this] { onSave(); }},
                                 {"Exit", [this] { close(); }},
                                 {"About", [this] { onAbout(); }},
                                 {"ItemTable", [this] { onItemTable(); }}};
  // The table is the Qt window's own: the designed menus stay as they are, and View goes before Help.
  for (const MenuDescription& menu : EditorForm().menus) {
    if (menu.name == "Help") AddMenu(menuBar(), EditorViewMenu(), commands);
    AddMenu(menuBar(), menu, commands);
  }
  itemTableAction_ = findChild<QAction*>(QStringLiteral("ItemTable"));
  itemTableAction_->setEnabled(false);
}

void Editor::onOpen() {
  const auto letGo = [this] { return !itemTable_ || itemTable_->settle(); };
  if (const auto result = RunOpenCommand(rom_, dialogs_(), static_cast<intptr_t>(winId()), letGo)) applyOpen(*result);
}

void Editor::openFile(const QString& path) {
  if (itemTable_ && !itemTable_->settle()) return;
  applyOpen(OpenChosenRom(rom_, QFile::encodeName(path).toStdString()));
}

void Editor::applyOpen(const OpenCommandResult& result) {
  witchita_->setText(FromUtf8(result.label));
  witchita_->setToolTip(FromUtf8(result.labelTip));
  ShowItemNames(*item_, rom_.Names());
  // The routines' names are the new ROM's.
  explainFields();
  for (const std::string& message : result.messages) showMessage_(this, message);
  // A cancelled Open leaves the table, and the edits it holds, as they were.
  if (!result.cancelled) followOpen(result.enableFrames);
  if (!result.enableFrames) return;
  for (QGroupBox* frame : editingFrames_) frame->setEnabled(true);
}

void Editor::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedFile(*event->mimeData())) event->acceptProposedAction();
}

void Editor::dropEvent(QDropEvent* event) {
  const std::optional<QString> path = DroppedFile(*event->mimeData());
  if (!path) return;
  event->acceptProposedAction();
  openFile(*path);
}

void Editor::onLoad() {
  const RomItemEditor::LoadResult result = LoadChosenItem(rom_, item_->currentIndex(), ToUtf8(item_->currentText()));
  if (result.fields) {
    showFields(*result.fields);
  } else {
    showMessage_(this, result.message);
  }
  frameItem_->setToolTip(FromUtf8(result.description));
  frameAsm_->setEnabled(result.enableAsmFrame);
}

void Editor::onSave() {
  const SaveOutcome outcome = rom_.SaveItem(gatherFields());
  if (!outcome.saved()) showMessage_(this, outcome.message);
  if (outcome.saved() && itemTable_) itemTable_->fileSaved();
}

void Editor::onItemTable() {
  if (!itemTable_) {
    try {
      itemTable_ = new ItemTableWindow(rom_.RomPath(), dialogs_, showMessage_);
    } catch (const Refused& refused) {
      showMessage_(this, refused.what());
      return;
    }
    itemTable_->setAttribute(Qt::WA_DeleteOnClose);
  }
  itemTable_->show();
  itemTable_->raise();
  itemTable_->activateWindow();
}

void Editor::followOpen(bool supported) {
  itemTableAction_->setEnabled(supported);
  if (!itemTable_) return;
  if (supported) {
    try {
      return itemTable_->showRom(rom_.RomPath());
    } catch (const Refused& refused) {
      showMessage_(this, refused.what());
    }
  }
  itemTable_->close();
}

void Editor::closeEvent(QCloseEvent* event) {
  // The table asks first about its unsaved edits; a Cancel there keeps both windows open.
  if (itemTable_ && !itemTable_->close()) return event->ignore();
  event->accept();
}

void Editor::onAbout() {
  // One About window at a time. It deletes itself when closed, so the next
  // About builds it afresh.
  if (!about_) about_ = new frmAbout;
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void Editor::showFields(const ItemFields& fields) {
  price_->setText(FromUtf8(fields.Price));
  effect_->setText(FromUtf8(fields.Effect));
  variable_->setText(FromUtf8(fields.Variable));
  options_->setText(FromUtf8(fields.Options));
  ShowPocket(*pocket_, fields.Pocket);
  how_->setText(FromUtf8(fields.How));
  asm_->setText(FromUtf8(fields.ASM));
}

void Editor::explainFields() {
  for (const FieldTip& tip : FieldTips(gatherFields(), rom_.Routines())) {
    centralWidget()->findChild<QWidget*>(FromUtf8(tip.control))->setToolTip(FromUtf8(tip.text));
  }
}

ItemFields Editor::gatherFields() const {
  ItemFields fields;
  fields.Price = ToUtf8(price_->text());
  fields.Effect = ToUtf8(effect_->text());
  fields.Variable = ToUtf8(variable_->text());
  fields.Options = ToUtf8(options_->text());
  fields.Pocket = SelectedPocket(*pocket_);
  fields.How = ToUtf8(how_->text());
  fields.ASM = ToUtf8(asm_->text());
  return fields;
}
