#pragma once

#include <cstdint>

// The running program's instance handle, as the dialog record carries it.
// Platforms without instance handles have none to give: 0.
intptr_t RunningInstanceHandle();
