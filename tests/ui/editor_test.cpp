// The main window, driven through its real widgets on ROM files on disk.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "forms/editor_form.h"
#include "harness.h"
#include "items/edition_table.h"
#include "items/image_edition.h"
#include "items/item_meaning.h"
#include "items/item_names.h"
#include "rom_io/hex_functions.h"
#include "rom_io/rom_file.h"
#include "rom_io/rom_header.h"
#include "ui/message_box.h"
#include "ui/twips.h"

namespace {

const Edition& Gold = EditionTable[0];

// The eight frames that start disabled, in the order Open enables them.
const QStringList FramesOpenEnables = {"FrameItem",   "FramePrice", "FrameEffect", "FrameVar",
                                   "FramePocket", "FrameUse",   "FrameType",   "FrameASM"};

RomBuilder GoldRom(uint32_t seed = 7) { return RomBuilder(RomBuilder::TwoMiB, seed).WithEdition(Gold); }

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString PocketText(int16_t value) {
  if (value < static_cast<int16_t>(PocketCount)) return Text(PocketNames[static_cast<std::size_t>(value)]);
  return QStringLiteral("(%1)").arg(QString::number(value, 16).toUpper().rightJustified(2, u'0'));
}

// The control that has the focus, by name; an editable list's own edit field counts as the list.
QString FocusName() {
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) return {};
  if (focus->objectName().isEmpty() && qobject_cast<QComboBox*>(focus->parentWidget())) {
    return focus->parentWidget()->objectName();
  }
  return focus->objectName();
}

// Records the frames in the order they become enabled.
class EnableRecorder : public QObject {
 public:
  explicit EnableRecorder(const Harness& harness) {
    for (const QString& name : FramesOpenEnables) harness.frame(name.toLatin1().constData())->installEventFilter(this);
  }
  QStringList enabled;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange && static_cast<QWidget*>(watched)->isEnabled()) {
      enabled << watched->objectName();
    }
    return false;
  }
};

// Drags `urls` onto the window and drops them there, as the file manager
// does; whether the window took the drop.
bool Drop(Editor& editor, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  const QPointF where(Twips(1000), Twips(1000));
  QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&editor, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&editor, &drop);
  return drop.isAccepted();
}

std::vector<size_t> Offsets(int32_t start, int32_t count) {
  std::vector<size_t> offsets;
  for (int32_t i = 0; i < count; ++i) offsets.push_back(static_cast<size_t>(start + i));
  return offsets;
}

}  // namespace

class EditorTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithOnlyTheMenuUsable();
  void isBuiltFromItsDesign();
  void open_data();
  void open();
  void failedOpenKeepsTheFramesOfAnEarlierOne();
  void load_data();
  void load();
  void loadThenSaveLeavesTheFileAlone_data();
  void loadThenSaveLeavesTheFileAlone();
  void saveWritesTheEditedFields();
  void tooltipsFollowTheValues();
  void saveWritesTheItemOfTheLastLoad();
  void refusedSaveWritesNothing_data();
  void refusedSaveWritesNothing();
  void failedSaveNamesTheFile_data();
  void failedSaveNamesTheFile();
  void failedOpenSaysWhy();
  void loadWithoutARomIsRefusedAndSaveThenToo();
  void saveIntoAnotherEditionIsRefused();
  void saveRefusesAnItemChangedSinceItsLoad();
  void textBoxesHoldNoMoreThanTheirField();
  void itemChooser_data();
  void itemChooser();
  void romHacksTablesAndNames();
  void tabOrder_data();
  void tabOrder();
  void keyboard();
  void messageBoxIsPlain();
  void demoRomOpens();
  void openFileAndDropDoWhatOpenDoes_data();
  void openFileAndDropDoWhatOpenDoes();
  void dropTakesOneLocalFileOnly();
};

// Every control of the shared design, where it says and as it says; the
// "ASM Pointer" caption alone may grow to fit the font.
void EditorTest::isBuiltFromItsDesign() {
  Harness h;
  for (const ControlDescription& control : EditorForm().controls) {
    auto* widget = h.find<QWidget>(std::string(control.name).c_str());
    QVERIFY2(widget != nullptr, control.name.data());
    const TwipsBox& r = control.rect;
    const QRect designed = TwipsRect(r.left, r.top, r.width, r.height);
    QCOMPARE(widget->pos(), designed.topLeft());
    if (control.name != "Label1") QCOMPARE(widget->size(), designed.size());
    QCOMPARE(widget->isEnabledTo(widget->parentWidget()), control.enabledAtStart);  // its own flag
  }
}

void EditorTest::startsWithOnlyTheMenuUsable() {
  Harness h;
  QCOMPARE(h.editor.windowTitle(), "Kestrune");
  QCOMPARE(h.label(), "None");
  QVERIFY(h.frame("Frame9")->isEnabled());
  for (const QString& name : FramesOpenEnables) QVERIFY2(!h.frame(name.toLatin1())->isEnabled(), qPrintable(name));
  for (const char* entry : {"Open", "Save", "Exit", "About"}) QVERIFY(h.find<QAction>(entry)->isEnabled());
  QCOMPARE(h.shown(), ItemFields{});

  auto* item = h.find<QComboBox>("Item");
  QVERIFY(item->currentText().isEmpty());
  QCOMPARE(item->count(), static_cast<int>(ItemCount));
  for (int i = 0; i < item->count(); ++i) QCOMPARE(item->itemText(i), Text(ItemNames[static_cast<size_t>(i)]));
  auto* pocket = h.find<QComboBox>("Pocket");
  QVERIFY(pocket->currentText().isEmpty());
  QCOMPARE(pocket->count(), static_cast<int>(PocketCount));
  for (int i = 0; i < pocket->count(); ++i) QCOMPARE(pocket->itemText(i), Text(PocketNames[static_cast<size_t>(i)]));

  // Screen readers find the fields by their frames' captions.
  const QList<QPair<const char*, const char*>> accessibleNames = {
      {"Item", "Item"},   {"Price", "Price"}, {"Effect", "Effect"}, {"Variable", "Var."},
      {"Options", "Use"}, {"How", "Type"},    {"Pocket", "Pocket"}, {"ASM", "ASM Pointer"}};
  for (const auto& [name, accessible] : accessibleNames) QCOMPARE(h.find<QWidget>(name)->accessibleName(), accessible);

  // Fixed size: the client area below the menu bar as designed.
  h.editor.show();
  QCOMPARE(h.editor.centralWidget()->size(), QSize(Twips(3510), Twips(4305)));
  QCOMPARE(h.editor.minimumSize(), h.editor.maximumSize());
  QVERIFY(!(h.editor.windowFlags() & Qt::WindowMaximizeButtonHint));
}

void EditorTest::open_data() {
  QTest::addColumn<int>("editionByte");
  QTest::addColumn<QString>("gameCode");
  QTest::addColumn<QString>("label");

  QTest::newRow("Gold") << 0x47 << "AAUE"
                        << "Pokémon Gold Version";
  QTest::newRow("Silver") << 0x53 << "AAXE"
                          << "Pokémon Silver Version";
  QTest::newRow("Crystal") << 0x41 << "BYTE"
                           << "Pokémon Crystal Version";
  QTest::newRow("Crystal 1.1") << 0x41 << "BYTU"
                               << "Pokémon Crystal Version";
  QTest::newRow("a title of its own") << 0x61 << "AAUE"
                                      << "Pokémon Gold Version";
  QTest::newRow("other region") << 0x47 << "AAUJ"
                                << "Unsupported Rom";
  QTest::newRow("cancelled") << -1 << ""
                             << "Unsupported Rom";
}

void EditorTest::open() {
  QFETCH(int, editionByte);
  QFETCH(QString, gameCode);
  QFETCH(QString, label);
  Harness h;
  EnableRecorder recorder(h);
  auto rom = RomBuilder().WithEditionByte(static_cast<uint8_t>(editionByte)).WithGameCode(gameCode.toStdString());
  const Edition* edition = FindEdition(HexFunctions::ByteToHex(static_cast<uint8_t>(editionByte)), gameCode.toStdString());
  if (edition != nullptr) rom.WithTableCode(*edition);
  h.open(editionByte < 0 ? std::filesystem::path() : h.write(rom));

  QCOMPARE(h.label(), label);
  const bool recognised = label != "Unsupported Rom";
  QCOMPARE(recorder.enabled, recognised ? FramesOpenEnables : QStringList());
  QVERIFY(h.messages.isEmpty());

  QCOMPARE(h.dialogs.requests.size(), 1u);
  const OpenFileNameRecord& request = h.dialogs.requests.front();
  QCOMPARE(request.lpstrTitle.value_or(""), "Open Pokemon Gold, Silver, or Crystal ROM...");
  QCOMPARE(request.lpstrFilter.value_or(""), std::string("GBC ROMs (*.gbc)\0*.gbc\0", 23));
  QCOMPARE(request.Flags, 6148u);
  QCOMPARE(request.hwndOwner, static_cast<intptr_t>(h.editor.winId()));
}

void EditorTest::failedOpenKeepsTheFramesOfAnEarlierOne() {
  Harness h;
  const auto gold = h.write(GoldRom(), "gold.gbc");
  h.open(gold);
  h.open(h.write(RomBuilder().WithEditionByte(0x00), "other.gbc"));
  QCOMPARE(h.label(), "Unsupported Rom");
  for (const QString& name : FramesOpenEnables) QVERIFY(h.frame(name.toLatin1())->isEnabled());
  // Each Open asks a dialog of its own, which knows no earlier path to start from.
  QCOMPARE(h.dialogs.requests.size(), 2u);
  QCOMPARE(h.dialogs.requests.back().lpstrInitialDir.value_or("?"), "");
}

void EditorTest::load_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<bool>("asmFrameEnabled");
  QTest::addColumn<QString>("message");

  QTest::newRow("item 1") << 1 << true << "";
  QTest::newRow("item 179, last with a pointer") << 179 << true << "";
  QTest::newRow("item 180") << 180 << false << "";
  QTest::newRow("item 255") << 255 << false << "";
  QTest::newRow("item 0") << 0 << true << "Cannot load Item 0";
  QTest::newRow("no selection") << -1 << true << "Choose an item to load.";
}

void EditorTest::load() {
  QFETCH(int, index);
  QFETCH(bool, asmFrameEnabled);
  QFETCH(QString, message);
  Harness h;
  // Pockets past the list's five entries must show and survive too.
  const auto rom = h.write(GoldRom()
                               .WithRecord(Gold, 1, {0xE8, 0x03, 0x0A, 0x00, 0x40, 3, 0x01})
                               .WithRecord(Gold, 179, {0x99, 0x99, 0x00, 0x01, 0x02, 5, 0x03}));
  h.open(rom);
  h.load(180);  // fills the fields and disables FrameASM
  const ItemFields before = h.shown();

  h.load(index);
  QCOMPARE(h.frame("FrameASM")->isEnabled(), asmFrameEnabled);
  if (message.isEmpty()) {
    QVERIFY(h.messages.isEmpty());
    const ItemFields expected = FieldsInFile(rom, index);
    QCOMPARE(h.shown(), expected);
    QCOMPARE(h.find<QComboBox>("Pocket")->currentText(), PocketText(expected.Pocket));
  } else {
    QCOMPARE(h.messages, QStringList{message});
    QCOMPARE(h.shown(), before);
  }
  if (!asmFrameEnabled) {
    const QString shown = h.field("ASM")->text();
    QTest::keyClicks(h.field("ASM"), "12");
    QCOMPARE(h.field("ASM")->text(), shown);
  }
}

void EditorTest::loadThenSaveLeavesTheFileAlone_data() {
  QTest::addColumn<int>("index");
  for (const int index : {1, 179, 180, 255}) QTest::newRow(qPrintable(QString("item %1").arg(index))) << index;
}

void EditorTest::loadThenSaveLeavesTheFileAlone() {
  QFETCH(int, index);
  Harness h;
  // Random records: prices past 32767, pockets past the list, any byte.
  const auto path = h.write(GoldRom(static_cast<uint32_t>(index)));
  const auto original = ReadFileBytes(path);
  h.open(path);
  h.load(index);
  h.menu("Save");
  QVERIFY(h.messages.isEmpty());
  QCOMPARE(DifferingOffsets(original, ReadFileBytes(path)), std::vector<size_t>{});
}

void EditorTest::saveWritesTheEditedFields() {
  Harness h;
  const auto path = h.write(GoldRom().WithRecord(Gold, 12, {0x10, 0x00, 0x00, 0x00, 0x00, 1, 0x00}));
  const auto original = ReadFileBytes(path);
  h.open(path);
  h.load(12);
  h.type("Price", "1000");
  h.type("Effect", "a");
  h.type("Variable", "7F");
  h.type("Options", "");
  QTest::keyClick(h.find<QComboBox>("Pocket"), Qt::Key_Down);  // "Item" to "Key"
  h.type("How", "3");
  h.type("ASM", "12");
  h.menu("Save");

  QVERIFY(h.messages.isEmpty());
  const auto saved = ReadFileBytes(path);
  const auto record = static_cast<size_t>(RecordAddress(Gold.itemTableBase, 12));
  const auto pointer = static_cast<size_t>(AsmEntryAddress(Gold.asmTableBase, 12));
  QCOMPARE(
      std::vector<uint8_t>(saved.begin() + static_cast<long>(record), saved.begin() + static_cast<long>(record) + 7),
      (std::vector<uint8_t>{0xE8, 0x03, 0x0A, 0x7F, 0x00, 0x02, 0x03}));
  QCOMPARE(saved[pointer], 0x00);
  QCOMPARE(saved[pointer + 1], 0x12);
  for (const size_t offset : DifferingOffsets(original, saved)) {
    QVERIFY((offset >= record && offset < record + 7) || offset == pointer || offset == pointer + 1);
  }
}

// The wording is the core's; the window only has to keep it current.
void EditorTest::tooltipsFollowTheValues() {
  Harness h;
  h.open(h.write(GoldRom().WithRecord(Gold, 12, {0x10, 0x00, 0x01, 0x0A, 0x40, 7, 0x06})));
  h.load(12);
  auto* pocket = h.find<QComboBox>("Pocket");
  QCOMPARE(h.field("Effect")->toolTip(), "01: Berry (HELD_BERRY)");
  QCOMPARE(h.field("Options")->toolTip(), "40: Can't select (CANT_SELECT)");
  QCOMPARE(h.field("How")->toolTip(), "06: field menu 0 (No use, ITEMMENU_NOUSE), battle menu 6 (Close, ITEMMENU_CLOSE)");
  QCOMPARE(pocket->toolTip(), QString::fromStdString(DescribePocket(7)));

  h.type("Options", "8");
  h.type("How", "z");
  h.type("Effect", "3A");
  pocket->setCurrentIndex(2);
  QCOMPARE(h.field("Options")->toolTip(),
           "08: None (NO_LIMITS)\nUse bits 0 to 5 are never used by the games, yet some are set.");
  QCOMPARE(h.field("Variable")->toolTip(), QString::fromStdString(DescribeVariable("3A", "0A")));
  QCOMPARE(h.field("How")->toolTip(), QString::fromStdString(DescribeType("z")));
  QCOMPARE(pocket->toolTip(), "02: Key");
}

void EditorTest::saveWritesTheItemOfTheLastLoad() {
  Harness h;
  const auto path = h.write(GoldRom());
  const auto original = ReadFileBytes(path);
  h.open(path);
  h.load(5);
  h.type("Price", "1234");
  h.find<QComboBox>("Item")->setCurrentIndex(9);
  h.menu("Save");

  const auto record = RecordAddress(Gold.itemTableBase, 5);
  std::vector<size_t> expected = Offsets(record, 2);
  const auto saved = ReadFileBytes(path);
  QCOMPARE(saved[static_cast<size_t>(record)], 0xD2);
  QCOMPARE(saved[static_cast<size_t>(record) + 1], 0x04);
  // Only price bytes that differed before can differ now.
  std::erase_if(expected, [&](size_t offset) { return original[offset] == saved[offset]; });
  QCOMPARE(DifferingOffsets(original, saved), expected);
}

void EditorTest::refusedSaveWritesNothing_data() {
  QTest::addColumn<int>("loaded");  // -2: no Load at all
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("reopenUnsupported");
  QTest::addColumn<QString>("messageStart");

  QTest::newRow("no load yet") << -2 << ""
                               << "" << false << "Load an item";
  QTest::newRow("after item 0") << 0 << ""
                                << "" << false << "Load an item";
  QTest::newRow("after no selection") << -1 << ""
                                      << "" << false << "Load an item";
  QTest::newRow("price too large") << 5 << "Price"
                                   << "70000" << false << "Price:";
  QTest::newRow("price not a number") << 5 << "Price"
                                      << "12a" << false << "Price:";
  QTest::newRow("effect not hex") << 5 << "Effect"
                                  << "G1" << false << "Effect:";
  QTest::newRow("var not hex") << 5 << "Variable"
                               << "g" << false << "Var.:";
  QTest::newRow("use not hex") << 5 << "Options"
                               << "x" << false << "Use:";
  QTest::newRow("type not hex") << 5 << "How"
                                << "-1" << false << "Type:";
  QTest::newRow("ASM not hex") << 5 << "ASM"
                               << "12x4" << false << "ASM Pointer:";
  QTest::newRow("unsupported file opened since") << 5 << ""
                                                 << "" << true << "Cannot save";
}

void EditorTest::refusedSaveWritesNothing() {
  QFETCH(int, loaded);
  QFETCH(QString, field);
  QFETCH(QString, text);
  QFETCH(bool, reopenUnsupported);
  QFETCH(QString, messageStart);
  Harness h;
  const auto gold = h.write(GoldRom(), "gold.gbc");
  const auto other = h.write(RomBuilder().WithEditionByte(0x47).WithGameCode("AAUJ"), "other.gbc");
  const auto goldBytes = ReadFileBytes(gold);
  const auto otherBytes = ReadFileBytes(other);
  h.open(gold);
  if (loaded != -2) h.load(loaded);
  h.messages.clear();
  if (!field.isEmpty()) h.type(field.toLatin1(), text);
  if (reopenUnsupported) h.open(other);

  h.menu("Save");
  QCOMPARE(h.messages.size(), 1);
  QVERIFY2(h.messages.front().startsWith(messageStart), qPrintable(h.messages.front()));
  QVERIFY(ReadFileBytes(gold) == goldBytes);
  QVERIFY(ReadFileBytes(other) == otherBytes);
}

void EditorTest::failedSaveNamesTheFile_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<QString>("reason");
  QTest::newRow("deleted") << "deleted" << "No such file or directory.";
  QTest::newRow("a folder in its place") << "folder" << "Not a regular file.";
  QTest::newRow("truncated") << "truncated" << "the file is now 24576 bytes long, not the 2097152";
  QTest::newRow("replaced by another edition") << "replaced" << "it is no longer the Pokémon Gold Version file";
  QTest::newRow("disk refuses part-way") << "part-way" << "only 4 of the item's 9 bytes were written";
}

// The file changes under the window between Load and Save: the user is told
// which file and why, and nothing is created or written but what the disk took.
void EditorTest::failedSaveNamesTheFile() {
  QFETCH(QString, fault);
  QFETCH(QString, reason);
  Harness h;
  const auto path = h.write(GoldRom());
  h.open(path);
  h.load(5);
  h.type("Price", "1");
  if (fault == "deleted") std::filesystem::remove(path);
  if (fault == "folder") {
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
  }
  if (fault == "truncated") std::filesystem::resize_file(path, 0x6000);
  if (fault == "replaced") RomBuilder(RomBuilder::TwoMiB, 3).WithEdition(EditionTable[2]).WriteTo(path);
  int accepted = 4;
  if (fault == "part-way") {
    SetByteWriterForTesting([&](const std::string& file, int64_t offset, uint8_t value) {
      return accepted-- > 0 && WriteOneByteToDisk(file, offset, value);
    });
  }
  const bool isFile = std::filesystem::is_regular_file(path);
  const auto before = isFile ? ReadFileBytes(path) : std::vector<uint8_t>{};
  h.menu("Save");
  SetByteWriterForTesting({});

  QCOMPARE(h.messages.size(), 1);
  QVERIFY2(h.messages.front().startsWith("Cannot save to \"" + QString::fromStdString(path.string()) + "\": "),
           qPrintable(h.messages.front()));
  QVERIFY2(h.messages.front().contains(reason), qPrintable(h.messages.front()));
  QCOMPARE(std::filesystem::is_regular_file(path), isFile);
  if (isFile && fault != "part-way") QVERIFY(ReadFileBytes(path) == before);
}

// A cancel stays silent; a dialog that fails or a file that cannot be read
// says why, and leaves things as a cancel does.
void EditorTest::failedOpenSaysWhy() {
  Harness h;
  h.dialogs.failure = DialogFailure::PathTooLong;
  h.open({});
  QCOMPARE(h.label(), "Unsupported Rom");
  QCOMPARE(h.messages, QStringList{"The path of the chosen file is longer than 254 characters; move the ROM to a "
                                   "shorter path."});
  h.messages.clear();
  h.open(h.dir.Root());
  QCOMPARE(h.messages, QStringList{"Cannot read \"" + QString::fromStdString(h.dir.Root().string()) +
                                   "\": Not a regular file."});
  h.messages.clear();
  const auto cut = h.write(GoldRom().WithByte(RomSizeOffset, 0x06), "cut.gbc");
  std::filesystem::resize_file(cut, 1'000'000);
  h.open(cut);
  QCOMPARE(h.label(), "Unsupported Rom");
  QCOMPARE(h.messages, QStringList{"\"" + QString::fromStdString(cut.string()) +
                                   "\" is cut short: its header gives a ROM of 2 MiB (2097152 bytes), but the file "
                                   "holds 1000000 bytes. Nothing was read or written."});
}

// Cancel an Open, press Load, open the ROM again and save: nothing the user
// did not load may reach the file.
void EditorTest::loadWithoutARomIsRefusedAndSaveThenToo() {
  Harness h;
  const auto path = h.write(GoldRom());
  const auto before = ReadFileBytes(path);
  h.open(path);
  h.load(1);
  const ItemFields loaded = h.shown();
  h.open({});
  h.load(2);
  QCOMPARE(h.messages, QStringList{"Open a Pokémon Gold, Silver or Crystal ROM before loading an item."});
  QCOMPARE(h.shown(), loaded);
  h.open(path);
  h.type("Price", "1");
  h.menu("Save");
  QCOMPARE(h.messages.back(), "Load an item before saving.");
  QVERIFY(ReadFileBytes(path) == before);
}

void EditorTest::saveIntoAnotherEditionIsRefused() {
  Harness h;
  h.open(h.write(GoldRom(), "gold.gbc"));
  h.load(1);
  const auto crystal = h.write(RomBuilder().WithEdition(EditionTable[2]), "crystal.gbc");
  const auto before = ReadFileBytes(crystal);
  h.open(crystal);
  h.menu("Save");
  QCOMPARE(h.messages.size(), 1);
  QVERIFY2(h.messages.front().contains("Pokémon Crystal Version"), qPrintable(h.messages.front()));
  QVERIFY(ReadFileBytes(crystal) == before);
}

// The tool set the price between this window's Load and Save: writing every
// field would put the old price back, so nothing is written.
void EditorTest::saveRefusesAnItemChangedSinceItsLoad() {
  Harness h;
  const auto path = h.write(GoldRom());
  h.open(path);
  h.load(18);
  HexFunctions::WriteHexBytes(path.string(), EditionTable[0].itemTableBase + 17 * 7, "6F00");
  const auto before = ReadFileBytes(path);
  h.type("Effect", "AA");
  h.menu("Save");
  QCOMPARE(h.messages.size(), 1);
  QVERIFY2(h.messages.front().contains("has changed in") && h.messages.front().contains("(Price)"),
           qPrintable(h.messages.front()));
  QVERIFY(ReadFileBytes(path) == before);
}

void EditorTest::textBoxesHoldNoMoreThanTheirField() {
  Harness h;
  h.open(h.write(GoldRom()));
  const QString pasted(30000, u'1');
  for (const auto& [name, most] : {std::pair{"Price", 6}, {"Options", 2}, {"ASM", 4}}) {
    h.field(name)->clear();
    h.field(name)->insert(pasted);
    QCOMPARE(h.field(name)->text().size(), most);
  }
}

// A ROM hack's own header, layout and names reach the window; a ROM whose
// code was rewritten is told at Open.
void EditorTest::romHacksTablesAndNames() {
  const Edition& gold = EditionTable[0];
  std::vector<std::string> names = CleanRomItemNames(gold);
  names[0] = "SHINY CHARM";
  Harness h;
  const auto path = h.write(
      RomBuilder().WithEdition(gold).WithGameCode("KAPE").WithItemTableAt(gold, 0x4C000).WithItemNames(gold, names));
  h.editor.show();
  QVERIFY(QTest::qWaitForWindowActive(&h.editor));
  h.open(path);
  QCOMPARE(h.find<QLabel>("Witchita")->toolTip(),
           "The game code is not the release's; the title names Pokémon Gold Version.\n"
           "Item table 0x4C000, moved from 0x68A0");
  auto* item = h.find<QComboBox>("Item");
  QCOMPARE(item->itemText(1), "SHINY CHARM");
  QTest::keyClicks(item->lineEdit(), "shiny");
  QTest::mouseClick(h.find<QPushButton>("Load"), Qt::LeftButton);
  QVERIFY(h.messages.isEmpty());
  QCOMPARE(h.shown(), FieldsInFile(path, 1));
  QCOMPARE(h.find<QGroupBox>("FrameItem")->toolTip(), "The best BALL. It\nnever misses.");

  h.open(h.write(RomBuilder().WithEditionByte(0x47).WithGameCode("AAUE"), "rewritten.gbc"));
  QCOMPARE(h.label(), "Pokémon Gold Version");
  QCOMPARE(h.messages, QStringList{"Kestrune cannot find the item table and the ASM pointer table in this ROM: the "
                                   "game's code that reads them has been changed. Nothing was read or written."});
  QCOMPARE(item->itemText(1), "Master Ball");
}

void EditorTest::itemChooser_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("popupRow");  // -1: leave the completions alone
  QTest::addColumn<int>("loaded");    // -1: the Load is refused
  QTest::addColumn<QString>("refusal");

  QTest::newRow("part of a name, chosen") << "aster b" << 0 << 1 << "";
  QTest::newRow("repeated name, second chosen") << "teru" << 1 << 25 << "";
  QTest::newRow("whole name in other case") << "RARE CANDY" << -1 << 32 << "";
  QTest::newRow("without its accent") << "poke ball" << -1 << 5 << "";
  QTest::newRow("suggested without its accent") << "ke b" << 0 << 5 << "";
  QTest::newRow("the game's spelling") << "TM01" << -1 << 191 << "";
  QTest::newRow("repeated name typed") << "teru-sama" << -1 << -1 << "The name \"Teru-Sama\" stands at items 6, 25,";
  QTest::newRow("begins two names") << "max e" << -1 << -1 << "\"max e\" begins several names: Max Elixer (21)";
  QTest::newRow("nothing like it") << "zzz" << -1 << -1 << "There is no item \"zzz\"";
}

void EditorTest::itemChooser() {
  QFETCH(QString, typed);
  QFETCH(int, popupRow);
  QFETCH(int, loaded);
  QFETCH(QString, refusal);
  Harness h;
  const auto path = h.write(GoldRom());
  h.editor.show();
  QVERIFY(QTest::qWaitForWindowActive(&h.editor));
  h.open(path);
  auto* item = h.find<QComboBox>("Item");
  item->setCurrentIndex(2);
  QTest::keyClick(item->lineEdit(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(item->lineEdit(), typed);
  if (popupRow >= 0) {
    QAbstractItemView* popup = item->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    for (int i = 0; i <= popupRow; ++i) QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
  }
  QTest::mouseClick(h.find<QPushButton>("Load"), Qt::LeftButton);

  if (loaded < 0) {
    QCOMPARE(h.messages.size(), 1);
    QVERIFY2(h.messages.front().startsWith(refusal), qPrintable(h.messages.front()));
  } else {
    QVERIFY(h.messages.isEmpty());
    QCOMPARE(h.shown(), FieldsInFile(path, loaded));
  }
}

void EditorTest::tabOrder_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<QStringList>("order");
  QTest::newRow("with a pointer") << 1 << QStringList{"ASM",    "Price",  "Variable", "Options", "How",
                                                      "Effect", "Pocket", "Load",     "Item"};
  QTest::newRow("without a pointer") << 180 << QStringList{"Price",  "Variable", "Options", "How",
                                                           "Effect", "Pocket",   "Load",    "Item"};
}

void EditorTest::tabOrder() {
  QFETCH(int, index);
  QFETCH(QStringList, order);
  Harness h;
  h.editor.show();
  QVERIFY(QTest::qWaitForWindowActive(&h.editor));
  h.open(h.write(GoldRom()));
  h.load(index);
  h.find<QComboBox>("Item")->setFocus();
  QCOMPARE(FocusName(), "Item");
  QStringList visited;
  for (qsizetype i = 0; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << FocusName();
  }
  QCOMPARE(visited, order);
}

void EditorTest::keyboard() {
  Harness h;
  const auto path = h.write(GoldRom());
  h.editor.show();
  QVERIFY(QTest::qWaitForWindowActive(&h.editor));
  h.dialogs.answers.push_back(path.string());
  QTest::keyClick(&h.editor, Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(h.label(), "Pokémon Gold Version");

  h.load(7);
  h.type("Price", "777");
  const auto before = ReadFileBytes(path);
  // Enter and Esc run no command here.
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(h.field("Price"), key);
  QVERIFY(h.editor.isVisible());
  QVERIFY(h.messages.isEmpty());
  QCOMPARE(h.dialogs.requests.size(), 1u);
  QVERIFY(ReadFileBytes(path) == before);

  QTest::keyClick(h.field("Price"), Qt::Key_S, Qt::ControlModifier);
  const auto record = static_cast<size_t>(RecordAddress(Gold.itemTableBase, 7));
  const auto saved = ReadFileBytes(path);
  QCOMPARE(saved[record], 0x09);
  QCOMPARE(saved[record + 1], 0x03);
}

void EditorTest::messageBoxIsPlain() {
  QString caption;
  QString text;
  bool iconless = false;
  QMessageBox::StandardButtons buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    caption = box->windowTitle();
    text = box->text();
    iconless = box->icon() == QMessageBox::NoIcon;
    buttons = box->standardButtons();
    box->button(QMessageBox::Ok)->click();
  });
  ShowMessage(nullptr, "Cannot load Item 0");
  QCOMPARE(caption, "Kestrune");
  QCOMPARE(text, "Cannot load Item 0");
  QVERIFY(iconless);
  QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void EditorTest::demoRomOpens() {
  Harness h;
  h.open(KESTRUNE_DEMO_ROM);
  QCOMPARE(h.label(), "Pokémon Gold Version");
  h.load(1);
  QVERIFY(h.messages.isEmpty());
  QCOMPARE(h.find<QComboBox>("Pocket")->currentText(), "Ball");
}

void EditorTest::openFileAndDropDoWhatOpenDoes_data() {
  QTest::addColumn<bool>("drop");  // false: the start argument's openFile
  QTest::addColumn<QString>("file");
  for (const bool drop : {false, true}) {
    const char* how = drop ? "drop" : "start";
    QTest::newRow(qPrintable(QString("%1 Gold").arg(how))) << drop << "gold.gbc";
    QTest::newRow(qPrintable(QString("%1 unsupported").arg(how))) << drop << "other.gbc";
    QTest::newRow(qPrintable(QString("%1 missing").arg(how))) << drop << "missing.gbc";
  }
}

// The same label, frames and messages as an Open of the same path.
void EditorTest::openFileAndDropDoWhatOpenDoes() {
  QFETCH(bool, drop);
  QFETCH(QString, file);
  Harness viaOpen;
  Harness h;
  for (const Harness* harness : {&viaOpen, &h}) {
    harness->write(GoldRom(), "gold.gbc");
    harness->write(RomBuilder().WithEditionByte(0x47).WithGameCode("AAUJ"), "other.gbc");
  }
  viaOpen.open(viaOpen.dir.Path(file.toStdString()));
  const QString path = QString::fromStdString(h.dir.Path(file.toStdString()).string());
  if (drop) {
    QVERIFY(Drop(h.editor, {QUrl::fromLocalFile(path)}));
  } else {
    h.editor.openFile(path);
  }

  QCOMPARE(h.label(), viaOpen.label());
  for (const QString& name : FramesOpenEnables) {
    QCOMPARE(h.frame(name.toLatin1())->isEnabled(), viaOpen.frame(name.toLatin1())->isEnabled());
  }
  const QString viaOpenRoot = QString::fromStdString(viaOpen.dir.Root().string());
  QCOMPARE(h.messages.join('\n'),
           viaOpen.messages.join('\n').replace(viaOpenRoot, QString::fromStdString(h.dir.Root().string())));
  QVERIFY(h.dialogs.requests.empty());
}

void EditorTest::dropTakesOneLocalFileOnly() {
  Harness h;
  const QUrl gold = QUrl::fromLocalFile(QString::fromStdString(h.write(GoldRom()).string()));
  QVERIFY(!Drop(h.editor, {gold, gold}));
  QVERIFY(!Drop(h.editor, {QUrl("https://example.org/rom.gbc")}));
  QVERIFY(!Drop(h.editor, {}));
  QCOMPARE(h.label(), "None");
  QVERIFY(h.messages.isEmpty());
}

int RunEditorTests(int argc, char* argv[]) {
  EditorTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "editor_test.moc"
