#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "forms/form_description.h"

// Menus built from their descriptions. An entry with no name is a separator.

// The command identifier of `entry` among `menus`, counting from `first`
// in the order of the entries; -1 when none is called so.
int MenuCommandId(std::span<const MenuDescription> menus, int first, std::string_view entry);

// Appends `menu` to `bar`, with the shortcut shown beside each entry, and
// adds the entries' shortcuts to `shortcuts`. `first` is the identifier of
// the first entry of `menus`, which holds `menu`.
void AppendMenuOf(HMENU bar, std::span<const MenuDescription> menus, const MenuDescription& menu, int first,
                  std::vector<ACCEL>& shortcuts);

// Greys the entries of `menus` in `bar` that `enabled` refuses.
void EnableEntries(HMENU bar, std::span<const MenuDescription> menus, int first,
                   const std::function<bool(std::string_view entry)>& enabled);
// Puts a check mark beside the entries that `checked` says are on.
void CheckEntries(HMENU bar, std::span<const MenuDescription> menus, int first,
                  const std::function<std::optional<bool>(std::string_view entry)>& checked);
