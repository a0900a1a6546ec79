#pragma once

#include <QIcon>

// The ball that both windows and the program file show.
QIcon KestruneIcon();
