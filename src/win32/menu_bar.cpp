#include "win32/menu_bar.h"

#include <string>

#include "win32/wide_text.h"

namespace {

std::wstring EntryCaption(const MenuEntry& entry) {
  std::wstring caption = Wide(entry.caption);
  if (entry.shortcutKey != 0) caption += std::wstring(L"\tCtrl+") + static_cast<wchar_t>(entry.shortcutKey);
  return caption;
}

void ForEachEntry(std::span<const MenuDescription> menus, int first,
                  const std::function<void(std::string_view entry, UINT id)>& visit) {
  for (const MenuDescription& menu : menus) {
    for (const MenuEntry& entry : menu.entries) {
      if (!entry.name.empty()) visit(entry.name, static_cast<UINT>(MenuCommandId(menus, first, entry.name)));
    }
  }
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
  ForEachEntry(menus, first, [&](std::string_view entry, UINT id) {
    EnableMenuItem(bar, id, MF_BYCOMMAND | static_cast<UINT>(enabled(entry) ? MF_ENABLED : MF_GRAYED));
  });
}

void CheckEntries(HMENU bar, std::span<const MenuDescription> menus, int first,
                  const std::function<std::optional<bool>(std::string_view entry)>& checked) {
  ForEachEntry(menus, first, [&](std::string_view entry, UINT id) {
    if (const std::optional<bool> on = checked(entry)) {
      CheckMenuItem(bar, id, MF_BYCOMMAND | static_cast<UINT>(*on ? MF_CHECKED : MF_UNCHECKED));
    }
  });
}
