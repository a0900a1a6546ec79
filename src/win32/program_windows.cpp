#include "win32/program_windows.h"

namespace {

int openWindows = 0;

constexpr wchar_t AcceleratorsProperty[] = L"KestruneAccelerators";

HACCEL AcceleratorsOf(HWND root, HWND mainWindow, HACCEL mainAccelerators) {
  if (root == mainWindow) return mainAccelerators;
  return static_cast<HACCEL>(GetPropW(root, AcceleratorsProperty));
}

}  // namespace

void TopLevelWindowOpened() { ++openWindows; }

void TopLevelWindowClosed() {
  if (--openWindows == 0) PostQuitMessage(0);
}

void SetWindowAccelerators(HWND window, HACCEL accelerators) { SetPropW(window, AcceleratorsProperty, accelerators); }

int RunMessageLoop(HWND mainWindow, HACCEL accelerators) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    HACCEL shortcuts = root == nullptr ? nullptr : AcceleratorsOf(root, mainWindow, accelerators);
    if (shortcuts != nullptr && TranslateAcceleratorW(root, shortcuts, &message)) continue;
    if (root != nullptr && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

HICON ProgramIcon(int metric) {
  const int size = GetSystemMetrics(metric);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, size, size, LR_SHARED));
}

void RegisterProgramWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = name;
  windowClass.hIcon = ProgramIcon(SM_CXICON);
  windowClass.hIconSm = ProgramIcon(SM_CXSMICON);
  RegisterClassExW(&windowClass);
}
