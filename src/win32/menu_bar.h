#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

#include "forms/form_description.h"

// Menus built from their descriptions. An entry with no name is a separator.

// The command identifier of `entry` among `menus`, counting from `first`
// in the order of the entries; -1 when none is called so.
int MenuCommandId(std::span<const MenuDescription> menus, int first, std::string_view entry);

// Appends `menu` to `bar`, with the shortcut shown beside each entry, and
// adds the entries' shortcuts (with Ctrl) to `shortcuts`. `first` is the
// identifier of the first entry of `menus`, which holds `menu`.
void AppendMenuOf(HMENU bar, std::span<const MenuDescription> menus, const MenuDescription& menu, int first,
                  std::vector<ACCEL>& shortcuts);

// A shortcut of an entry beside the one its description gives and its
// caption shows: Ctrl with `key`, and Shift too when `shift`.
struct ExtraShortcut {
  std::string_view entry;
  char key;
  bool shift = false;
};

// Adds the `extra` shortcuts of entries of `menus` to `shortcuts`.
void AddShortcuts(std::span<const MenuDescription> menus, int first, std::span<const ExtraShortcut> extra,
                  std::vector<ACCEL>& shortcuts);
