#include <iostream>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "exchange/file_access.h"
#include "exchange/item_import.h"
#include "exchange/rom_session.h"

namespace {

struct ImportOptions {
  std::string rom;
  std::string file;
  bool dryRun = false;
  std::optional<std::string> edition;
  bool acrossEditions = false;
};

struct PlannedSave {
  int item;
  ItemFields fields;
  std::vector<FieldChange> changes;
};

// The row's fields are known to be valid; nothing to save when none of
// them changes a byte.
std::optional<PlannedSave> PlanRow(const RomSession& session, const ImportRow& row) {
  const ItemFields loaded = session.Load(row.item);
  ItemFields fields = loaded;
  for (Field field : AllFields) {
    if (const auto& text = row.given[static_cast<size_t>(field)]) SetField(fields, field, *text);
  }
  // The same texts store the same bytes; most rows of an edited export are unchanged.
  if (fields == loaded) return std::nullopt;
  auto changes = Changes(row.item, session.LoadValues(row.item), *ValuesOf(row.item, fields).values);
  if (changes.empty()) return std::nullopt;
  return PlannedSave{row.item, fields, std::move(changes)};
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
  RomSession session(options.rom);
  ImportFile file = ParseImport(text, options.file, session.Names());
  RefuseProblems(file.problems, options.rom);
  RefuseProblems(MatchEditions(file, options.file, session.RomEdition(), editions, session.Names()), options.rom);
  std::vector<PlannedSave> plan;
  for (const ImportRow& row : file.rows) {
    if (auto save = PlanRow(session, row)) plan.push_back(std::move(*save));
  }

  // Every save before the report, which may fail to be written.
  if (!options.dryRun) {
    for (const PlannedSave& save : plan) session.Save(save.item, save.fields);
    session.WriteChanges();
  }
  size_t changed = 0;
  for (const PlannedSave& save : plan) {
    for (const FieldChange& change : save.changes) {
      std::cout << FormatChange(change, session.Names()[static_cast<size_t>(save.item)]) << "\n";
    }
    changed += save.changes.size();
  }
  std::cout << changed << (changed == 1 ? " field" : " fields") << " in " << plan.size()
            << (plan.size() == 1 ? " item" : " items") << (options.dryRun ? " would change (dry run)." : " changed.")
            << "\n";
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
  command->callback([&run, options] { run = [options] { return RunImport(*options); }; });
}
