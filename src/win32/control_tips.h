#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

// One tooltip text shown over a group of controls, as a Qt frame's tooltip
// shows over the controls inside it. The tooltip window is created the
// first time a text is set, so a window that never shows one pays nothing
// at start.
class ControlTips {
 public:
  ControlTips(HWND owner, std::vector<HWND> controls);
  ~ControlTips();
  ControlTips(const ControlTips&) = delete;
  ControlTips& operator=(const ControlTips&) = delete;

  // Lines part at "\n"; an empty text shows no tooltip.
  void SetText(std::string_view utf8);
  // The tooltip window, once a text was set.
  HWND TipWindow() const { return tip_; }

 private:
  void Create();

  HWND owner_;
  std::vector<HWND> controls_;
  HWND tip_ = nullptr;
};
