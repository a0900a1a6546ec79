#pragma once

#include <windows.h>

// A function of a system library that is loaded when the function is first
// looked up, not when the program starts: the program's start-up then pays
// neither the library nor the ones it brings along. Null when the library
// or the function cannot be found.
template <typename Function>
Function* LoadSystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) return nullptr;
  // Through the one function type that any other may be cast to and from.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
