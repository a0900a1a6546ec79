#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Asks whether pending edits are to be saved before they would be lost, or,
// without `offerSave`, only whether they may be dropped: Discard or Cancel.
enum class SaveChoice { Save, Discard, Cancel };
using SavePrompt = std::function<SaveChoice(HWND owner, const std::string& question, bool offerSave)>;

// The program's own question: Save (first, when offered), Discard and Cancel buttons.
SaveChoice AskToSave(HWND owner, const std::string& question, bool offerSave);
