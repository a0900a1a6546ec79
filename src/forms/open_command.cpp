#include "forms/open_command.h"

#include <utility>

#include "dialogs/cls_common_dialog.h"
#include "dialogs/dialog_failure.h"
#include "forms/editor_form.h"
#include "items/wording.h"

std::optional<OpenCommandResult> RunOpenCommand(RomItemEditor& rom, std::shared_ptr<PlatformFileDialog> platform,
                                                intptr_t owner, const std::function<bool()>& letGo) {
  clsCommonDialog dialog(std::move(platform));
  const std::string path = dialog.ShowOpen(owner, std::string(OpenDialogTitle), std::string(),
                                           std::string(OpenDialogFilter), OpenDialogFlags);
  if (!path.empty() && !letGo()) return std::nullopt;
  // A failed dialog leaves things as a cancel does, but says why, first.
  const std::string failure = DescribeDialogFailure(dialog.LastFailure(), clsCommonDialog::MaxOpenPathChars);
  OpenCommandResult result = OpenChosenRom(rom, path);
  result.cancelled = path.empty();
  if (!failure.empty()) result.messages.insert(result.messages.begin(), failure);
  return result;
}

OpenCommandResult OpenChosenRom(RomItemEditor& rom, const std::string& path) {
  RomItemEditor::OpenResult opened = rom.OpenRom(path);
  OpenCommandResult result{std::move(opened.label), opened.enableFrames, {}, {}};
  if (!opened.message.empty()) result.messages.push_back(std::move(opened.message));
  std::vector<std::string> tips;
  if (!opened.headerNote.empty()) tips.push_back(Sentence(opened.headerNote));
  for (const TablePlace& place : opened.tablePlaces) tips.push_back(place.Text());
  if (const std::string& note = rom.Routines().SymbolFileNote(); !note.empty()) tips.push_back(Sentence(note));
  for (const std::string& tip : tips) result.labelTip += (result.labelTip.empty() ? "" : "\n") + tip;
  return result;
}
