#include "forms/open_command.h"

#include <utility>

#include "dialogs/cls_common_dialog.h"
#include "dialogs/dialog_failure.h"
#include "forms/editor_form.h"

OpenCommandResult RunOpenCommand(RomItemEditor& rom, std::shared_ptr<PlatformFileDialog> platform, intptr_t owner) {
  clsCommonDialog dialog(std::move(platform));
  const std::string path = dialog.ShowOpen(owner, std::string(OpenDialogTitle), std::string(),
                                           std::string(OpenDialogFilter), OpenDialogFlags);
  OpenCommandResult result;
  const std::string failure = DescribeDialogFailure(dialog.LastFailure(), clsCommonDialog::MaxOpenPathChars);
  if (!failure.empty()) result.messages.push_back(failure);
  RomItemEditor::OpenResult opened = rom.OpenRom(path);
  if (!opened.message.empty()) result.messages.push_back(std::move(opened.message));
  result.label = std::move(opened.label);
  result.enableFrames = opened.enableFrames;
  return result;
}
