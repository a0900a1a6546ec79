#pragma once

// Registers the common controls' list, header and status bar classes, once,
// when a window first needs them rather than at start.
void UseListControls();
