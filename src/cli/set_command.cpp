#include <iostream>
#include <map>
#include <memory>

#include "cli/commands.h"
#include "cli/item_text.h"
#include "exchange/item_argument.h"
#include "exchange/item_values.h"
#include "exchange/named_columns.h"
#include "exchange/rom_session.h"
#include "items/edition_table.h"
#include "items/item_encoding.h"
#include "items/wording.h"

namespace {

struct SetOptions {
  std::string rom;
  std::string item;
  std::map<Field, std::string> given;
  std::optional<std::string> name, description;
  std::optional<std::string> routine, symbols;

  bool Empty() const { return given.empty() && !name && !description && !routine; }
};

// An unset shell variable must not store 00 or an empty text.
void RefuseEmptyValue(std::string_view option, const std::string& text) {
  if (text.empty()) {
    throw InvalidInput("--" + std::string(option) +
                       " is given an empty value: give a value, or leave the option out to keep the field.");
  }
}

uint16_t PocketNumber(const std::string& text) {
  const auto pocket = ParsePocket(text);
  if (!pocket) throw InvalidInput("There is no pocket " + QuotedText(text) + ": give " + PocketChoices() + ".");
  return static_cast<uint16_t>(*pocket);
}

// The given fields in the item's record. A pocket is refused by its name,
// before any other field is read, the others as the window refuses them.
void SetGiven(ItemRecord& record, const std::map<Field, std::string>& given, const std::string& rom,
              const std::string& item) {
  if (const auto pocket = given.find(Field::Pocket); pocket != given.end()) {
    SetFieldValue(record, Field::Pocket, PocketNumber(pocket->second));
  }
  for (const auto& [field, text] : given) {
    if (field == Field::Pocket) continue;
    const ParsedField parsed = ParseField(field, text);
    if (!parsed.value) {
      throw InvalidInput("Cannot save " + item + " in " + Quoted(rom) + ": " + parsed.problem);
    }
    SetFieldValue(record, field, *parsed.value);
  }
}

// The options' texts as the fields take them: names turned into their hex.
std::map<Field, std::string> NamedOptions(const SetOptions& options, const RoutineNames& routines) {
  std::map<Field, std::string> given = options.given;
  if (options.routine) {
    if (given.count(Field::Asm)) throw InvalidInput("Give --asm or --routine, not both.");
    RefuseEmptyValue("routine", *options.routine);
    given[Field::Asm] = *options.routine;
  }
  for (auto& [field, text] : given) {
    const OptionText named = FieldTextOf(field, text, routines);
    if (!named.text) throw InvalidInput(named.problem);
    text = *named.text;
  }
  return given;
}

ExitStatus RunSet(const SetOptions& options) {
  if (options.Empty()) throw InvalidInput("Give at least one field to set, such as --price 300.");
  for (const auto& [field, text] : options.given) RefuseEmptyValue(FieldKey(field), text);
  if (options.name) RefuseEmptyValue(NameKey, *options.name);
  if (options.description) RefuseEmptyValue(DescriptionKey, *options.description);
  RomSession session(options.rom, options.symbols);
  std::cerr << SymbolFileWarning(session.Routines());
  const std::map<Field, std::string> given = NamedOptions(options, session.Routines());
  const int item = ParseItem(options.item, session.Names(), session.Spellings());
  // The core leaves the pointer alone above item 179, so a value there would
  // be dropped without a word.
  if (given.count(Field::Asm) && !HasAsmEntry(item)) {
    throw InvalidInput("Cannot set the ASM pointer of " + DescribeItem(item, session.Names()) +
                       ": only items 1 to 179 have one.");
  }
  ItemRecord record = session.Load(item);
  SetGiven(record, given, options.rom, DescribeItem(item, session.Names()));
  session.Save(item, record);
  if (options.name || options.description) {
    const auto description = options.description ? std::optional(DescriptionText(*options.description)) : std::nullopt;
    session.SaveTexts({{item, options.name, description}});
  }
  session.WriteChanges();
  std::cout << FormatItem(item, session.Names()[static_cast<size_t>(item)], session.Load(item), session.Routines());
  return ExitStatus::Success;
}

// `alias` is the field's caption in the window, as a second name.
void AddFieldOption(CLI::App& command, SetOptions& options, Field field, const std::string& valueName,
                    const std::string& help, const std::string& alias = {}) {
  command
      .add_option_function<std::string>(
          "--" + std::string(FieldKey(field)) + (alias.empty() ? "" : ",--" + alias),
          [&options, field](const std::string& text) { options.given[field] = text; }, help)
      ->type_name(valueName);
}

}  // namespace

void AddSetCommand(CLI::App& app, CommandRun& run) {
  auto* command = app.add_subcommand("set", "Change fields of one item and save it");
  auto options = std::make_shared<SetOptions>();
  command->add_option("ROM", options->rom, "ROM image")->required();
  command->add_option("ITEM", options->item, "item number (1-255) or name")->required();
  AddFieldOption(
      *command, *options, Field::Price, "N",
      "price, a whole number from -32768 to 65535; a negative value is stored as its 16-bit two's complement");
  AddFieldOption(*command, *options, Field::Effect, "HH|NAME", "effect byte, hex, or a held effect (HELD_BERRY)");
  AddFieldOption(*command, *options, Field::Variable, "HH", "variable byte, hex");
  AddFieldOption(*command, *options, Field::Options, "HH|NAME",
                 "use byte (flags), hex, or NO_LIMITS, CANT_SELECT, CANT_TOSS or \"CANT_SELECT | CANT_TOSS\"", "use");
  AddFieldOption(*command, *options, Field::Pocket, "NAME|N", "pocket: (None), Item, Key, Ball, TM/HM or a number");
  AddFieldOption(*command, *options, Field::How, "HH|FIELD,BATTLE",
                 "type byte (menus), hex, or the field and battle menu actions (ITEMMENU_CURRENT,ITEMMENU_NOUSE)", "type");
  AddFieldOption(*command, *options, Field::Asm, "HHHH|NAME",
                 "ASM pointer, four hex digits in file order, or a routine's name (items 1-179)");
  command->add_option("--routine", options->routine, "the item-use routine by name, as --asm NAME")->type_name("NAME");
  command->add_option("--name", options->name, "the item's name in the ROM, 1 to 12 characters")->type_name("TEXT");
  command
      ->add_option("--description", options->description,
                   "the item's description (items 1-190): one or two lines of at most 18 characters, parted by a "
                   "newline or \\n")
      ->type_name("TEXT");
  command->add_option("--symbols", options->symbols, "symbol file that names the ROM's routines (default: the ROM's name with .sym)")
      ->type_name("FILE");
  command->callback([&run, options] { run = [options] { return RunSet(*options); }; });
}
