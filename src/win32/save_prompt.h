#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Asks whether pending edits are to be saved before they would be lost.
enum class SaveChoice { Save, Discard, Cancel };
using SavePrompt = std::function<SaveChoice(HWND owner, const std::string& question)>;

// The program's own question: Save, Discard and Cancel buttons, Save first.
SaveChoice AskToSave(HWND owner, const std::string& question);
