#include "win32/common_controls.h"

#include <windows.h>

#include <commctrl.h>

void UseListControls() {
  static const bool registered = [] {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    return InitCommonControlsEx(&controls) != 0;
  }();
  (void)registered;
}
