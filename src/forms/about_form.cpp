#include "forms/about_form.h"

namespace {

using enum ControlKind;

// In the order of creation: the grey line is drawn first, the white one just
// below it, and together they form one etched separator.
constexpr ControlDescription Controls[] = {
    {.name = "cmdOK", .kind = Button, .caption = "OK", .rect = {4440, 2625, 1260, 345}, .tabIndex = 0},
    {.name = "Line1", .kind = Line, .rect = {90, 2445, 5654 - 90, 0}, .index = 1, .lineColour = 0x808080,
     .linePixels = 1},
    {.name = "lblDescription", .kind = Label,
     .caption = KESTRUNE_DESCRIPTION,
     .rect = {1050, 1125, 3885, 1170}, .tabIndex = 1, .blackText = true},
    {.name = "lblTitle", .kind = Label, .caption = "Kestrune", .rect = {1050, 240, 3885, 480}, .tabIndex = 3,
     .blackText = true},
    {.name = "Line1", .kind = Line, .rect = {105, 2460, 5654 - 105, 0}, .index = 0, .lineColour = 0xFFFFFF,
     .linePixels = 2},
    // The short version; the program file carries the full one.
    {.name = "lblVersion", .kind = Label, .caption = "Version " KESTRUNE_ABOUT_VERSION,
     .rect = {1050, 780, 3885, 225}, .tabIndex = 4},
    {.name = "lblDisclaimer", .kind = Label,
     .caption = "Credits: the hex routines' author, and the finder of Gold's item data and format.",
     .rect = {120, 2625, 4110, 465}, .tabIndex = 2, .blackText = true},
};

constexpr FormDescription Form{"frmAbout", "About", 5730, 3120, Controls, {}};

}  // namespace

const FormDescription& AboutForm() { return Form; }
