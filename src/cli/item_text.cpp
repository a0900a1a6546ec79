#include "cli/item_text.h"

#include <string_view>

#include "exchange/item_values.h"
#include "items/description_texts.h"
#include "items/edition_table.h"
#include "items/field_codec.h"
#include "items/held_effect_names.h"
#include "items/item_meaning.h"
#include "items/item_names.h"
#include "items/wording.h"

namespace {

constexpr size_t CaptionWidth = 13;

std::string Line(std::string_view caption, const std::string& value, const std::string& meaning = {}) {
  std::string line = std::string(caption) + std::string(CaptionWidth - caption.size(), ' ') + value;
  if (!meaning.empty()) line += "  " + meaning;
  return line + "\n";
}

// Its second line under its first.
std::string DescriptionShown(int item, const std::optional<std::string>& description) {
  if (!HasDescription(item)) return Line("Description", "none (items 191 to 255 show their move's)");
  if (!description) return Line("Description", "cannot be read in this ROM");
  std::string text = *description;
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
    text.insert(at + 1, CaptionWidth, ' ');
  }
  return Line("Description", text);
}

}  // namespace

std::string FormatItem(int item, std::string_view name, const ItemRecord& record, const RoutineNames& routines) {
  const auto text = [&record](Field field) { return FieldText(record, field); };
  std::string shown = "Item " + std::to_string(item) + ": " + std::string(name) + "\n";
  shown += Line("Price", text(Field::Price));
  shown += Line("Effect", text(Field::Effect), HeldEffectText(record.effect));
  shown += Line("Var.", text(Field::Variable), ParameterMeaning(record.effect, record.parameter));
  shown += Line("Use", text(Field::Options), UseMeaning(record.property));
  shown += Line("Pocket", PocketText(record.pocket));
  shown += Line("Type", text(Field::How), TypeMeaning(record.menus));
  if (record.routine) {
    shown += Line("ASM Pointer", text(Field::Asm), routines.NameOf(FieldCodec::SwappedBytes(*record.routine)).value_or(""));
  } else {
    shown += Line("ASM Pointer", "none (only items 1 to 179 have one)");
  }
  shown += DescriptionShown(item, record.description);
  for (const std::string& warning : ItemWarnings(record.property, record.pocket, record.menus)) {
    shown += "Warning: " + warning + "\n";
  }
  return shown;
}

std::string SymbolFileWarning(const RoutineNames& routines) {
  // Beside a release's ROM, the symbol file of its build is merely not needed.
  const std::string& note = routines.SymbolFileNote();
  if (note.empty() || routines.From() == RoutineNames::Source::Release) return {};
  return "Warning: " + Sentence(note) + "\n";
}
