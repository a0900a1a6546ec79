#pragma once

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <filesystem>

#include "scripted_dialogs.h"
#include "items/item_fields.h"
#include "rom_builder.h"
#include "ui/editor.h"

// One Editor with a scripted file dialog and a message catcher, on ROM files
// in a folder of its own. Tests drive it through its real widgets.
class Harness {
 public:
  Harness();

  template <typename T>
  T* find(const char* name) const {
    return editor.findChild<T*>(QString::fromLatin1(name));
  }
  QGroupBox* frame(const char* name) const { return find<QGroupBox>(name); }
  QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
  QString label() const { return find<QLabel>("Witchita")->text(); }

  // Writes a ROM of `builder` as `name` in the folder and returns its path.
  std::filesystem::path write(const RomBuilder& builder, const char* name = "rom.gbc") const;

  void menu(const char* entry) { find<QAction>(entry)->trigger(); }
  // Opens `path` through the Open command's file dialog; "" cancels it.
  void open(const std::filesystem::path& path);
  // Picks entry `index` of the item list (-1: none) and clicks Load.
  void load(int index);
  // Replaces the text of a field by typing, as a user would.
  void type(const char* name, const QString& text);
  // The seven fields as the controls show them.
  ItemFields shown() const;

  TempDir dir;
  DialogScript dialogs;
  QStringList messages;
  Editor editor;
};

// What the core reads for `index` from a file, to compare the window with.
ItemFields FieldsInFile(const std::filesystem::path& path, int index);
