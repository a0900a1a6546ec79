#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "items/edition_table.h"
#include "items/editor_problem.h"
#include "items/item_fields.h"
#include "items/save_outcome.h"

// Holds the state of the open ROM and carries out the editor's three
// commands. Every read and write goes through the hex routines; nothing is
// cached, so each Load reads the file again and each Save writes it again.
class RomItemEditor {
 public:
  struct OpenResult {
    std::string label;  // for the edition label
    bool enableFrames = false;
    // Set when the chosen file cannot be read; a cancel or a file of no
    // supported edition only shows in the label.
    std::string message;
    EditorProblem problem = EditorProblem::None;
    std::error_code cause;
  };

  struct LoadResult {
    std::optional<ItemFields> fields;  // empty when the Load was refused
    std::string message;               // why it was refused
    bool enableAsmFrame = false;
    EditorProblem problem = EditorProblem::None;
    std::error_code cause;
  };

  OpenResult OpenRom(const std::string& path);
  LoadResult LoadItem(int16_t listIndex);
  // Writes the fields into the item of the last Load, not the one now
  // selected, and only when that Load succeeded on a file of the edition now
  // open. Every field and the file are checked before the first byte is
  // written.
  SaveOutcome SaveItem(const ItemFields& fields);

  const std::string& RomPath() const { return romPath_; }
  const std::string& VersionByte() const { return versionByte_; }
  int32_t ItemTableBase() const { return itemTableBase_; }
  int32_t AsmTableBase() const { return asmTableBase_; }
  const std::string& ItemIndexText() const { return itemIndexText_; }
  // The edition found at the last Open, or null when it was not recognised.
  const Edition* OpenEdition() const { return edition_; }

 private:
  struct FileCheck {
    EditorProblem problem = EditorProblem::None;
    std::error_code cause;
  };

  std::string ReadGameCode() const;
  std::optional<int> LoadedItem() const;
  FileCheck CheckFile(int item, bool saving) const;
  ProblemDetails Details(int item, bool saving, std::error_code cause = {}) const;

  std::string romPath_;
  std::string versionByte_;
  int32_t itemTableBase_ = 0;
  int32_t asmTableBase_ = 0;
  std::string itemIndexText_;
  const Edition* edition_ = nullptr;
  // The edition open at the last Load, or null when that Load was refused.
  const Edition* loadedEdition_ = nullptr;
};
