#include "cli/binary_console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>

void UseBinaryConsole() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}
#else
void UseBinaryConsole() {}
#endif
