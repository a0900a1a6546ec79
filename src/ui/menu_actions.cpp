#include "ui/menu_actions.h"

#include <QMenu>

#include "ui/qt_text.h"

namespace {

QKeySequence ShortcutOf(Shortcut shortcut) {
  const QString modifiers = shortcut.shift ? QStringLiteral("Ctrl+Shift+") : QStringLiteral("Ctrl+");
  return QKeySequence(modifiers + QChar(shortcut.key));
}

}  // namespace

QMenu* AddMenu(QMenuBar* bar, const MenuDescription& menu, const MenuCommands& commands) {
  QMenu* qmenu = bar->addMenu(FromUtf8(menu.caption));
  qmenu->setObjectName(FromUtf8(menu.name));
  for (const MenuEntry& entry : menu.entries) {
    if (entry.name.empty()) {
      qmenu->addSeparator();
      continue;
    }
    QAction* action = qmenu->addAction(FromUtf8(entry.caption), bar, commands.at(entry.name));
    action->setObjectName(FromUtf8(entry.name));
    action->setShortcuts(EntryShortcuts(entry));
  }
  return qmenu;
}

QList<QKeySequence> EntryShortcuts(const MenuEntry& entry) {
  QList<QKeySequence> keys;
  if (entry.shortcutKey != 0) keys.append(ShortcutOf({entry.shortcutKey}));
  if (entry.alternative.key != 0) keys.append(ShortcutOf(entry.alternative));
  return keys;
}
