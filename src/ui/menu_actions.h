#pragma once

#include <QKeySequence>
#include <QList>
#include <QMenuBar>
#include <functional>
#include <map>
#include <string_view>

#include "forms/form_description.h"

// Menus built from their descriptions: each entry an action named as the
// entry, with the entry's shortcuts, running the command of its name.
using MenuCommands = std::map<std::string_view, std::function<void()>>;

QMenu* AddMenu(QMenuBar* bar, const MenuDescription& menu, const MenuCommands& commands);

// The entry's shortcuts, the one its caption shows first.
QList<QKeySequence> EntryShortcuts(const MenuEntry& entry);
