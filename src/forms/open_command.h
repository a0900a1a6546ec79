#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/platform_file_dialog.h"
#include "items/rom_item_editor.h"

// The Open command between the file dialog and the window, the same in both
// front ends: a fresh clsCommonDialog asks for a ROM; whatever it returns,
// a cancel's empty path too, goes to OpenRom. A dialog that failed and a
// file that cannot be read are each told in a message.
struct OpenCommandResult {
  std::string label;  // for the edition label
  bool enableFrames = false;
  std::vector<std::string> messages;  // to show, in order
  // For the edition label's tooltip: which header field is not the
  // release's, or why the header keeps the ROM from opening, then where the
  // tables were found away from the clean game's places, then why a symbol
  // file beside the ROM was not used, a line each; empty for a release laid
  // out as the clean game is.
  std::string labelTip;
  bool cancelled = false;  // the dialog gave no file
};

// What the editor says when it is started with more than one file.
inline constexpr std::string_view OneRomAtATime = "kestrune opens one ROM at a time; give at most one.";

// Opens `path` as the Open command opens the file its dialog returned.
OpenCommandResult OpenChosenRom(RomItemEditor& rom, const std::string& path);

// The Open command. `letGo` is asked, once a file was chosen, whether what
// the open ROM's windows hold may be let go; nothing is opened when it says
// no. A cancelled dialog does not ask.
std::optional<OpenCommandResult> RunOpenCommand(RomItemEditor& rom, std::shared_ptr<PlatformFileDialog> platform,
                                                intptr_t owner, const std::function<bool()>& letGo);
