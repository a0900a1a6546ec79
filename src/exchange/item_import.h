#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exchange/front.h"
#include "exchange/item_values.h"
#include "exchange/named_columns.h"
#include "items/edition_table.h"
#include "items/item_name_match.h"

// Reads a file in the export's form, CSV or JSON (told apart by its first
// character): the header names or keys decide the columns, and a file may
// carry only some of them, and only some items. Every value is checked as
// the core would check it; the name column is checked against the item, not
// imported, unless the user asks for names to be written. Names and
// descriptions are checked as they are stored, all together.

struct ImportRow {
  std::string where;  // "line 4" in CSV, "entry 3" in JSON
  int item = 0;
  // The values given for each field.
  GivenValues given;
  // The names given for four of the fields, which ResolveNames turns into values.
  GivenNames names;
  const Edition* edition = nullptr;  // the edition it was exported from, when the file says
  // The texts to store: a name only when renaming, and never from an empty cell.
  std::optional<std::string> name, description;
};

struct ImportFile {
  std::vector<ImportRow> rows;
  std::vector<std::string> problems;  // one sentence each, naming file, line and column
};

// `names` are the ROM's, against which the name column is checked, as are
// the ROM's own `spellings` of them ("POKé BALL"); with `rename`, a name that
// differs from the item's is taken as its new name.
ImportFile ParseImport(const std::string& text, const std::string& fileName, ItemNameViews names,
                       ItemNameViews spellings = {}, bool rename = false);

// What the user said about the edition of the rows.
struct EditionChoice {
  const Edition* given = nullptr;  // --edition: the edition of the rows that do not name theirs
  bool acrossEditions = false;     // --across-editions
};

// The edition that --edition names; throws a Refused for a
// name that is none.
const Edition* EditionOption(const std::string& name);

// Pointers are addresses in one edition's code, so a row that gives one must
// come from the ROM's edition. Refuses the rows exported from another
// edition, one problem per row, and, in one problem, the rows that give a
// pointer but name no edition. With `acrossEditions` all such rows are kept
// but lose their pointers. The problems say what to do in `front`'s terms.
std::vector<std::string> MatchEditions(ImportFile& file, const std::string& fileName, const Edition& romEdition,
                                       const EditionChoice& choice, ItemNameViews names, Front front = Front::Tool);
