#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dialogs/platform_file_dialog.h"

// What a window of either front end calls on the program around it: where
// its commands get the platform's file dialog, and how a message reaches the
// user. Tests hand in fakes; users get the front end's own. `Owner` is the
// toolkit's window, and the text is UTF-8, as the core words it.
using DialogSource = std::function<std::shared_ptr<PlatformFileDialog>()>;
template <typename Owner>
using MessageSink = std::function<void(Owner owner, const std::string& text)>;
