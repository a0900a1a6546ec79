#include "dialogs/running_instance.h"

#ifdef _WIN32
#include <windows.h>
#endif

intptr_t RunningInstanceHandle() {
#ifdef _WIN32
  return reinterpret_cast<intptr_t>(GetModuleHandleA(nullptr));
#else
  return 0;
#endif
}
