#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "items/item_table_finder.h"

// Why the item editor, the item table or the tool refused or could not
// finish a command. Tests check the reason; DescribeProblem words it, in the
// one place where messages live, and a Refusal (items/refusal.h) carries it
// to whichever front end shows it.
enum class EditorProblem {
  None,
  // Open, Load and Save
  TablesNotFound,
  // Open
  CutShort,
  // Load
  ItemZero,
  NoItemChosen,
  NoRomOpen,
  // Save
  NothingLoaded,
  Unsupported,
  OtherEdition,
  BadField,
  ChangedSinceLoad,
  // The file, on Open, Load or Save
  CannotRead,
  CannotWrite,
  TablesMoved,
  SizeChanged,
  Replaced,
  PartWritten,
  // A ROM read whole, for the item table and the tool
  TooLarge,
  UnsupportedFile,
  FileTablesNotFound,
  TextsNotStored,
  ChangedWhileEditing,
  ChangedSinceRead,
  OtherEditionNow,
  // The item table's Save
  CellRefused,
  ChangedSinceEdit,
  // The files and arguments of an import, an export or a command
  NotAFile,
  CannotWriteFile,
  OutputIsRead,
  OutputUntold,
  OutputIsInput,
  OutputLost,
  ReportLost,
  BadCsvLine,
  NotUtf8,
  BadJson,
  NumberTooLarge,
  NoSuchEdition,
  NoSuchItem,
};

// What a message may need to name. `cause` is the operating system's reason
// for a file problem, when it gave one.
struct ProblemDetails {
  std::string path;
  std::error_code cause;
  int item = 0;
  std::string itemName;            // as the open ROM names the item
  // Why each table was not found, for TablesNotFound; None for one found.
  TableMiss itemTable = TableMiss::None, pointerTable = TableMiss::None;
  std::string_view loadedEdition;  // the edition the item was loaded from
  std::string_view openEdition;    // the edition of the open file
  std::string field;               // the rule that a BadField or a refused cell broke
  std::string changedFields;       // "Price and Effect", for ChangedSinceLoad
  int64_t openSize = 0, size = 0;  // the file's length at the Open and now
  int64_t headerSize = 0;          // the ROM size the header gives, for CutShort
  int written = 0, expected = 0;   // bytes of a PartWritten Save
  bool saving = false;             // whether a Save met the file problem
  std::string otherPath;           // the input that an OutputIsInput would replace
  size_t line = 0, byte = 0;       // where a file being read breaks its form
  // The text that the message quotes, or the words of the refusal that
  // stopped the step it names.
  std::string text;
};

std::string DescribeProblem(EditorProblem problem, const ProblemDetails& details);

// What a message about the file at `path`, whose whole image is `rom`, names
// of it: its path, its length and the length its header gives.
ProblemDetails ImageDetails(const std::string& path, std::span<const uint8_t> rom);
