#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "dialogs/open_file_name_record.h"
#include "forms/form_description.h"

// The main window, Editor: nine frames, the item chooser and the seven fields
// of one item, under the File and Help menus.
const FormDescription& EditorForm();
// The View menu beside the designed ones, before Help: it opens the item table.
const MenuDescription& EditorViewMenu();

// The eight frames that an Open of a supported ROM enables, in that order.
inline constexpr std::array<std::string_view, 8> EditingFrames = {
    "FrameItem", "FramePrice", "FrameEffect", "FrameVar", "FramePocket", "FrameUse", "FrameType", "FrameASM"};

// What the Open command asks the file dialog for.
inline constexpr std::string_view OpenDialogTitle = "Open Pokemon Gold, Silver, or Crystal ROM...";
inline constexpr std::string_view OpenDialogFilter = "GBC ROMs (*.gbc)|*.gbc";
inline constexpr int32_t OpenDialogFlags =
    static_cast<int32_t>(DialogFlags::FileMustExist | DialogFlags::PathMustExist | DialogFlags::HideReadOnly);
