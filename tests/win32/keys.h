#pragma once

#include <windows.h>

// Ctrl+`key` as the message loop hands it to the editor's accelerators;
// true when they ran a command. The command runs before this returns.
inline bool PressCtrl(HWND window, HACCEL accelerators, HWND focus, char key) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  MSG press{focus, WM_KEYDOWN, static_cast<WPARAM>(key), 0, 0, {}};
  const bool ran = TranslateAcceleratorW(window, accelerators, &press) != 0;
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  return ran;
}
