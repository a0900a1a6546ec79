#include "forms/open_command.h"

#include <utility>

#include "dialogs/cls_common_dialog.h"
#include "dialogs/dialog_failure.h"
#include "forms/editor_form.h"

OpenCommandResult RunOpenCommand(RomItemEditor& rom, std::shared_ptr<PlatformFileDialog> platform, intptr_t owner) {
  clsCommonDialog dialog(std::move(platform));
  const std::string path = dialog.ShowOpen(owner, std::string(OpenDialogTitle), std::string(),
                                           std::string(OpenDialogFilter), OpenDialogFlags);
  // A failed dialog leaves things as a cancel does, but says why, first.
  const std::string failure = DescribeDialogFailure(dialog.LastFailure(), clsCommonDialog::MaxOpenPathChars);
  OpenCommandResult result = OpenChosenRom(rom, path);
  if (!failure.empty()) result.messages.insert(result.messages.begin(), failure);
  return result;
}

OpenCommandResult OpenChosenRom(RomItemEditor& rom, const std::string& path) {
  RomItemEditor::OpenResult opened = rom.OpenRom(path);
  OpenCommandResult result{std::move(opened.label), opened.enableFrames, {}, {}};
  if (!opened.message.empty()) result.messages.push_back(std::move(opened.message));
  for (const TablePlace& place : opened.tablePlaces) {
    result.labelTip += (result.labelTip.empty() ? "" : "\n") + place.Text();
  }
  return result;
}
