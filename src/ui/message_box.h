#pragma once

#include <string>

class QWidget;

// The editor's one kind of message: caption "Kestrune", an OK button, no icon.
// Blocks until the user closes it.
void ShowMessage(QWidget* owner, const std::string& text);
