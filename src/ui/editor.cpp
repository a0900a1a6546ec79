#include "ui/editor.h"

#include <algorithm>

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

#include "dialogs/cls_common_dialog.h"
#include "items/item_meaning.h"
#include "ui/about_window.h"
#include "ui/app_icon.h"
#include "ui/field_tooltips.h"
#include "ui/item_list.h"
#include "ui/message_box.h"
#include "ui/pocket_list.h"
#include "ui/qt_file_dialog.h"
#include "ui/rom_drop.h"
#include "ui/twips.h"

namespace {

const std::string OpenTitle = "Open Pokemon Gold, Silver, or Crystal ROM...";
const std::string OpenFilter = "GBC ROMs (*.gbc)|*.gbc";
constexpr int32_t OpenFlags =
    static_cast<int32_t>(DialogFlags::FileMustExist | DialogFlags::PathMustExist | DialogFlags::HideReadOnly);

// Text boxes and lists all sit at the same place in their frames.
constexpr int FieldLeft = 120;
constexpr int FieldTop = 240;

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }
std::string ToUtf8(const QString& text) { return text.toStdString(); }

}  // namespace

Editor::DialogSource Editor::DefaultDialogs() { return MakePlatformFileDialog; }
Editor::MessageSink Editor::DefaultMessages() { return ShowMessage; }

Editor::Editor(DialogSource dialogs, MessageSink showMessage)
    : dialogs_(std::move(dialogs)), showMessage_(std::move(showMessage)) {
  setObjectName(QStringLiteral("Editor"));
  setWindowTitle(QStringLiteral("Kestrune"));
  setWindowIcon(KestruneIcon());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  createControls();
  createMenus();
  orderTabs();
  setAcceptDrops(true);
  // The client area below the menu bar has the designed size, and the user cannot change it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* Editor::addFrame(const char* name, const char* caption, QRect geometry) {
  auto* frame = new QGroupBox(QString::fromUtf8(caption), centralWidget());
  frame->setObjectName(QString::fromLatin1(name));
  frame->setGeometry(geometry);
  return frame;
}

QLineEdit* Editor::addTextBox(QGroupBox* frame, const char* name, int width, int maxChars) {
  auto* box = new QLineEdit(frame);
  box->setMaxLength(maxChars);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(frame->title());
  box->setGeometry(TwipsRect(FieldLeft, FieldTop, width, 375));
  return box;
}

QComboBox* Editor::addList(QGroupBox* frame, const char* name, int width) {
  auto* list = new QComboBox(frame);
  list->setObjectName(QString::fromLatin1(name));
  list->setAccessibleName(frame->title());
  list->setGeometry(TwipsRect(FieldLeft, FieldTop, width, 315));
  return list;
}

QLabel* Editor::addLabel(QGroupBox* frame, const char* name, const char* text, QRect geometry) {
  auto* label = new QLabel(QString::fromUtf8(text), frame);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  return label;
}

// In the order of the design, which sets how the controls stack.
void Editor::createControls() {
  auto* client = new QWidget(this);
  client->setFixedSize(Twips(3510), Twips(4305));
  setCentralWidget(client);

  auto* frame9 = addFrame("Frame9", "Rom Loaded:", TwipsRect(120, 120, 3255, 615));
  witchita_ = addLabel(frame9, "Witchita", "None", TwipsRect(FieldLeft, FieldTop, 3015, 255));
  createFieldFrames();
  createAsmFrame();
  createItemFrame();

  // Nothing can be edited until a ROM is open.
  for (const char* name :
       {"FrameItem", "FramePrice", "FrameEffect", "FrameVar", "FramePocket", "FrameUse", "FrameType", "FrameASM"}) {
    editingFrames_.push_back(findChild<QGroupBox*>(QString::fromLatin1(name)));
    editingFrames_.back()->setEnabled(false);
  }
}

void Editor::createFieldFrames() {
  how_ = addTextBox(addFrame("FrameType", "Type", TwipsRect(2640, 2640, 735, 735)), "How", 495, ByteMaxChars);
  ExplainTextBox(*how_, DescribeType);
  pocket_ = addList(addFrame("FramePocket", "Pocket", TwipsRect(120, 2640, 1335, 735)), "Pocket", 1095);
  FillPocketList(*pocket_);
  ExplainPocketList(*pocket_);
  options_ = addTextBox(addFrame("FrameUse", "Use", TwipsRect(1680, 2640, 735, 735)), "Options", 495, ByteMaxChars);
  ExplainTextBox(*options_, DescribeUse);
  variable_ = addTextBox(addFrame("FrameVar", "Var.", TwipsRect(2640, 1800, 735, 735)), "Variable", 495, ByteMaxChars);
  effect_ = addTextBox(addFrame("FrameEffect", "Effect", TwipsRect(1680, 1800, 735, 735)), "Effect", 495, ByteMaxChars);
  price_ = addTextBox(addFrame("FramePrice", "Price", TwipsRect(120, 1800, 1335, 735)), "Price", 1095, PriceMaxChars);
}

void Editor::createAsmFrame() {
  frameAsm_ = addFrame("FrameASM", "Advanced", TwipsRect(120, 3480, 2175, 735));
  asm_ = addTextBox(frameAsm_, "ASM", 855, AsmMaxChars);
  asm_->setAccessibleName(QStringLiteral("ASM Pointer"));
  QLabel* label1 = addLabel(frameAsm_, "Label1", "ASM Pointer", TwipsRect(1080, 240, 975, 255));
  // The designed width fits the font the window was drawn with; a wider
  // default font would cut the caption short. A label has no border, so
  // letting it reach the frame's edge changes nothing else.
  const int fullWidth = std::min(label1->sizeHint().width(), frameAsm_->width() - label1->x());
  label1->resize(std::max(label1->width(), fullWidth), label1->height());
}

void Editor::createItemFrame() {
  auto* frameItem = addFrame("FrameItem", "Item", TwipsRect(120, 960, 3255, 735));
  load_ = new QPushButton(QStringLiteral("Load"), frameItem);
  load_->setObjectName(QStringLiteral("Load"));
  load_->setGeometry(TwipsRect(2520, 240, 615, 255));
  connect(load_, &QPushButton::clicked, this, &Editor::onLoad);
  item_ = addList(frameItem, "Item", 2295);
  item_->setEditable(true);
  FillItemList(*item_);
}

void Editor::createMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  file->setObjectName(QStringLiteral("File"));
  QAction* open = file->addAction(QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O), this, &Editor::onOpen);
  open->setObjectName(QStringLiteral("Open"));
  QAction* save = file->addAction(QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S), this, &Editor::onSave);
  save->setObjectName(QStringLiteral("Save"));
  QAction* exit = file->addAction(QStringLiteral("Exit"), this, &QWidget::close);
  exit->setObjectName(QStringLiteral("Exit"));

  QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
  help->setObjectName(QStringLiteral("Help"));
  QAction* about = help->addAction(QStringLiteral("About"), this, &Editor::onAbout);
  about->setObjectName(QStringLiteral("About"));
}

void Editor::orderTabs() {
  // Qt passes over the controls of a disabled frame by itself.
  const std::vector<QWidget*> order = {item_, asm_, price_, variable_, options_, how_, effect_, pocket_, load_};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Editor::onOpen() {
  clsCommonDialog dialog(dialogs_());
  const std::string path =
      dialog.ShowOpen(static_cast<intptr_t>(winId()), OpenTitle, std::string(), OpenFilter, OpenFlags);
  // A failed dialog leaves things as a cancel does, but says why.
  const std::string failure = DescribeDialogFailure(dialog.LastFailure(), clsCommonDialog::MaxOpenPathChars);
  if (!failure.empty()) showMessage_(this, FromUtf8(failure));
  openRom(path);
}

void Editor::openRom(const std::string& path) {
  const RomItemEditor::OpenResult result = rom_.OpenRom(path);
  witchita_->setText(FromUtf8(result.label));
  if (!result.message.empty()) showMessage_(this, FromUtf8(result.message));
  if (!result.enableFrames) return;
  for (QGroupBox* frame : editingFrames_) frame->setEnabled(true);
}

void Editor::openFile(const QString& path) { openRom(QFile::encodeName(path).toStdString()); }

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
  const RomItemEditor::LoadResult result = rom_.LoadItem(SelectedItem(*item_));
  if (result.fields) {
    showFields(*result.fields);
  } else {
    showMessage_(this, FromUtf8(result.message));
  }
  frameAsm_->setEnabled(result.enableAsmFrame);
}

void Editor::onSave() {
  const SaveOutcome outcome = rom_.SaveItem(gatherFields());
  if (!outcome.saved()) showMessage_(this, FromUtf8(outcome.message));
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
