#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/item_values.h"

// Reads a file in the export's form, CSV or JSON (told apart by its first
// character): the header names or keys decide the columns, and a file may
// carry only some of them, and only some items. Every value is checked as
// the core would check it; the name column is checked against the item, not
// imported.

struct ImportRow {
  std::string where;  // "line 4" in CSV, "entry 3" in JSON
  int item = 0;
  // The texts given for each field, each one the core accepts; a pocket's
  // is its decimal number.
  std::array<std::optional<std::string>, AllFields.size()> given;
};

struct ImportFile {
  std::vector<ImportRow> rows;
  std::vector<std::string> problems;  // one sentence each, naming file, line and column
};

ImportFile ParseImport(const std::string& text, const std::string& fileName);
