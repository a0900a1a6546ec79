#include "forms/editor_form.h"

#include "items/item_fields.h"

namespace {

using enum ControlKind;

// In the order of creation, which also sets how the controls stack.
constexpr ControlDescription Controls[] = {
    {.name = "Frame9", .kind = Frame, .caption = "Rom Loaded:", .rect = {120, 120, 3255, 615}, .tabIndex = 17},
    {.name = "Witchita", .kind = Label, .container = "Frame9", .caption = "None", .rect = {120, 240, 3015, 255},
     .tabIndex = 18},
    {.name = "FrameType", .kind = Frame, .caption = "Type", .rect = {2640, 2640, 735, 735}, .tabIndex = 13,
     .enabledAtStart = false},
    {.name = "How", .kind = TextBox, .container = "FrameType", .rect = {120, 240, 495, 375}, .tabIndex = 14,
     .maxLength = ByteMaxChars},
    {.name = "FramePocket", .kind = Frame, .caption = "Pocket", .rect = {120, 2640, 1335, 735}, .tabIndex = 12,
     .enabledAtStart = false},
    {.name = "Pocket", .kind = ChoiceList, .container = "FramePocket", .rect = {120, 240, 1095, 315},
     .tabIndex = 16},
    {.name = "FrameUse", .kind = Frame, .caption = "Use", .rect = {1680, 2640, 735, 735}, .tabIndex = 10,
     .enabledAtStart = false},
    {.name = "Options", .kind = TextBox, .container = "FrameUse", .rect = {120, 240, 495, 375}, .tabIndex = 11,
     .maxLength = ByteMaxChars},
    {.name = "FrameVar", .kind = Frame, .caption = "Var.", .rect = {2640, 1800, 735, 735}, .tabIndex = 8,
     .enabledAtStart = false},
    {.name = "Variable", .kind = TextBox, .container = "FrameVar", .rect = {120, 240, 495, 375}, .tabIndex = 9,
     .maxLength = ByteMaxChars},
    {.name = "FrameEffect", .kind = Frame, .caption = "Effect", .rect = {1680, 1800, 735, 735}, .tabIndex = 7,
     .enabledAtStart = false},
    {.name = "Effect", .kind = TextBox, .container = "FrameEffect", .rect = {120, 240, 495, 375}, .tabIndex = 15,
     .maxLength = ByteMaxChars},
    {.name = "FramePrice", .kind = Frame, .caption = "Price", .rect = {120, 1800, 1335, 735}, .tabIndex = 5,
     .enabledAtStart = false},
    {.name = "Price", .kind = TextBox, .container = "FramePrice", .rect = {120, 240, 1095, 375}, .tabIndex = 6,
     .maxLength = PriceMaxChars},
    {.name = "FrameASM", .kind = Frame, .caption = "Advanced", .rect = {120, 3480, 2175, 735}, .tabIndex = 2,
     .enabledAtStart = false},
    {.name = "ASM", .kind = TextBox, .container = "FrameASM", .rect = {120, 240, 855, 375}, .tabIndex = 4,
     .maxLength = AsmMaxChars},
    {.name = "Label1", .kind = Label, .container = "FrameASM", .caption = "ASM Pointer",
     .rect = {1080, 240, 975, 255}, .tabIndex = 3},
    {.name = "FrameItem", .kind = Frame, .caption = "Item", .rect = {120, 960, 3255, 735}, .tabIndex = 0,
     .enabledAtStart = false},
    {.name = "Load", .kind = Button, .container = "FrameItem", .caption = "Load", .rect = {2520, 240, 615, 255},
     .tabIndex = 19},
    {.name = "Item", .kind = TypingList, .container = "FrameItem", .rect = {120, 240, 2295, 315}, .tabIndex = 1},
};

constexpr MenuEntry FileEntries[] = {
    {"Open", "Open", 'O'},
    {"Save", "Save", 'S'},
    {"Exit", "Exit"},
};
constexpr MenuEntry HelpEntries[] = {{"About", "About"}};
constexpr MenuDescription Menus[] = {{"File", "File", FileEntries}, {"Help", "Help", HelpEntries}};

constexpr MenuEntry ViewEntries[] = {{"ItemTable", "Item Table", 'T'}};
constexpr MenuDescription ViewMenu{"View", "View", ViewEntries};

constexpr FormDescription Form{"Editor", "Kestrune", 3510, 4305, Controls, Menus};

}  // namespace

const FormDescription& EditorForm() { return Form; }

const MenuDescription& EditorViewMenu() { return ViewMenu; }
