#include <iostream>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/item_text.h"
#include "exchange/file_access.h"
#include "exchange/item_import.h"
#include "exchange/rom_session.h"
#include "items/wording.h"

namespace {

struct ImportOptions {
  std::string rom;
  std::string file;
  bool dryRun = false;
  std::optional<std::string> edition;
  bool acrossEditions = false;
  bool rename = false;
  std::optional<std::string> symbols;
};

struct PlannedSave {
  int item;
  std::optional<ItemRecord> record;  // when one of its fields changes
  ItemTextEdit texts;
  std::vector<FieldChange> changes;
};

std::vector<FieldChange> FieldChanges(const ItemRecord& loaded, const ImportRow& row, ItemRecord& record) {
  record = loaded;
  for (Field field : AllFields) {
    if (const auto& value = row.given[static_cast<size_t>(field)]) SetFieldValue(record, field, *value);
  }
  return Changes(row.item, loaded, record);
}

// The row's fields are known to be valid, and its texts are checked as they
// are stored; nothing to save when none of them changes.
std::optional<PlannedSave> PlanRow(const RomSession& session, const ImportRow& row) {
  const ItemRecord loaded = session.Load(row.item);
  PlannedSave save{row.item, ItemRecord{}, {row.item, {}, {}}, {}};
  save.changes = FieldChanges(loaded, row, *save.record);
  if (save.changes.empty()) save.record.reset();
  if (row.name) {
    if (auto change = TextChange(row.item, NameKey, loaded.name, row.name)) {
      save.changes.push_back(std::move(*change));
      save.texts.name = row.name;
    }
  }
  if (row.description) {
    if (auto change = TextChange(row.item, DescriptionKey, loaded.description, row.description)) {
      save.changes.push_back(std::move(*change));
      save.texts.description = row.description;
    }
  }
  if (save.changes.empty()) return std::nullopt;
  return save;
}

// The names of the rows as the bytes they stand for; a routine's name from a
// row of another edition goes with its pointer.
std::vector<std::string> NameProblems(const RomSession& session, ImportFile& file, const std::string& fileName) {
  std::vector<std::string> problems;
  for (ImportRow& row : file.rows) {
    if (row.edition != nullptr && row.edition != &session.RomEdition()) {
      row.names[static_cast<size_t>(NamedColumn::Routine)].reset();
    }
    for (std::string& problem : ResolveNames(row.names, row.given, session.Load(row.item), session.Routines(),
                                             Quoted(fileName) + " " + row.where)) {
      problems.push_back(std::move(problem));
    }
  }
  return problems;
}

void SavePlan(RomSession& session, const std::vector<PlannedSave>& plan) {
  std::vector<ItemTextEdit> texts;
  for (const PlannedSave& save : plan) {
    if (save.record) session.Save(save.item, *save.record);
    if (save.texts.name || save.texts.description) texts.push_back(save.texts);
  }
  if (!texts.empty()) session.SaveTexts(texts);
}

void RefuseProblems(const std::vector<std::string>& problems, const std::string& rom) {
  if (problems.empty()) return;
  for (const std::string& problem : problems) std::cerr << problem << "\n";
  throw InvalidInput("Nothing was written to " + Quoted(rom) + ".");
}

ExitStatus RunImport(const ImportOptions& options) {
  RefuseOutputOverInput(options.rom, options.file);
  const EditionChoice editions{options.edition ? EditionOption(*options.edition) : nullptr,
                               options.acrossEditions};
  const std::string text = ReadTextFile(options.file);
  RomSession session(options.rom, options.symbols);
  std::cerr << SymbolFileWarning(session.Routines());
  ImportFile file = ParseImport(text, options.file, session.Names(), session.Spellings(), options.rename);
  RefuseProblems(file.problems, options.rom);
  RefuseProblems(MatchEditions(file, options.file, session.RomEdition(), editions, session.Names()), options.rom);
  RefuseProblems(NameProblems(session, file, options.file), options.rom);
  std::vector<PlannedSave> plan;
  for (const ImportRow& row : file.rows) {
    if (auto save = PlanRow(session, row)) plan.push_back(std::move(*save));
  }

  // The names as the file was read name the items in the report.
  const std::vector<std::string> names(session.Names().begin(), session.Names().end());
  // Every save before the report, which may fail to be written. The texts
  // are checked on a dry run too.
  SavePlan(session, plan);
  if (!options.dryRun) session.WriteChanges();
  size_t changed = 0;
  for (const PlannedSave& save : plan) {
    for (const FieldChange& change : save.changes) {
      std::cout << FormatChange(change, names[static_cast<size_t>(save.item)]) << "\n";
    }
    changed += save.changes.size();
  }
  std::cout << Counted(changed, "field", "fields") << " in " << Counted(plan.size(), "item", "items")
            << (options.dryRun ? " would change (dry run)." : " changed.") << "\n";
  return ExitStatus::Success;
}

}  // namespace

void AddImportCommand(CLI::App& app, CommandRun& run) {
  auto* command = app.add_subcommand("import", "Save the items of a CSV or JSON file in the export's form");
  auto options = std::make_shared<ImportOptions>();
  command->add_option("ROM", options->rom, "ROM image")->required();
  command->add_option("FILE", options->file, "CSV or JSON file")->required();
  command->add_flag("--dry-run", options->dryRun, "show what would change and write nothing");
  command->add_option("--edition", options->edition,
                      "the edition (gold, silver or crystal) of rows that do not name theirs");
  command->add_flag("--across-editions", options->acrossEditions,
                    "import rows exported from another edition, all fields but the ASM pointer");
  command->add_flag("--rename", options->rename,
                    "write a name that differs from the item's as its new name, instead of refusing the row");
  command->add_option("--symbols", options->symbols, "symbol file that names the ROM's routines (default: the ROM's name with .sym)")
      ->type_name("FILE");
  command->callback([&run, options] { run = [options] { return RunImport(*options); }; });
}
