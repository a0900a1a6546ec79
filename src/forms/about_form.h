#pragma once

#include "forms/form_description.h"

// The About window, frmAbout: the program's name, version, what it does and
// its credits, above an OK button that is both default and cancel button.
const FormDescription& AboutForm();
