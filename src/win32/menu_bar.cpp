#include "win32/menu_bar.h"

#include <string>

#include "win32/wide_text.h"

namespace {

std::wstring EntryCaption(const MenuEntry& entry) {
  std::wstring caption = Wide(entry.caption);
  if (entry.shortcutKey != 0) caption += std::wstring(L"\tCtrl+") + static_cast<wchar_t>(entry.shortcutKey);
  return caption;
}

}  // namespace

int MenuCommandId(std::span<const MenuDescription> menus, int first, std::string_view entry) {
  int id = first;
  for (const MenuDescription& menu : menus) {
    for (const MenuEntry& candidate : menu.entries) {
      if (!candidate.name.empty() && candidate.name == entry) return id;
      ++id;
    }
  }
  return -1;
}

void AppendMenuOf(HMENU bar, std::span<const MenuDescription> menus, const MenuDescription& menu, int first,
                  std::vector<ACCEL>& shortcuts) {
  HMENU popup = CreatePopupMenu();
  for (const MenuEntry& entry : menu.entries) {
    if (entry.name.empty()) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const auto id = static_cast<WORD>(MenuCommandId(menus, first, entry.name));
    AppendMenuW(popup, MF_STRING, id, EntryCaption(entry).c_str());
    for (const Shortcut shortcut : {Shortcut{entry.shortcutKey}, entry.alternative}) {
      if (shortcut.key == 0) continue;
      const auto modifiers = static_cast<BYTE>(FVIRTKEY | FCONTROL | (shortcut.shift ? FSHIFT : 0));
      shortcuts.push_back({modifiers, static_cast<WORD>(shortcut.key), id});
    }
  }
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Wide(menu.caption).c_str());
}

void EnableEntries(HMENU bar, std::span<const MenuDescription> menus, int first,
                   const std::function<bool(std::string_view entry)>& enabled) {
  for (const MenuDescription& menu : menus) {
    for (const MenuEntry& entry : menu.entries) {
      if (entry.name.empty()) continue;
      const auto id = static_cast<UINT>(MenuCommandId(menus, first, entry.name));
      const UINT state = enabled(entry.name) ? MF_ENABLED : MF_GRAYED;
      EnableMenuItem(bar, id, MF_BYCOMMAND | state);
    }
  }
}
