#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The design of a window as data: what each front end builds its controls
// from. Positions and sizes are in twips (1440 an inch), measured from the
// top-left corner of the control's container.

enum class ControlKind {
  Frame,       // a captioned group box holding other controls
  Label,       // text, left-aligned, wrapping at its width
  TextBox,     // one line of editable text
  TypingList,  // a drop-down list whose text can be typed, completing as you type
  ChoiceList,  // a drop-down list that only lets you choose
  Button,
  Line,  // from (left, top) to (left + width, top); takes no focus
};

struct TwipsBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ControlDescription {
  std::string_view name{};
  ControlKind kind = ControlKind::Label;
  std::string_view container{};  // a frame's name, or empty for the window's client area
  std::string_view caption{};
  TwipsBox rect{};
  int tabIndex = -1;  // -1: takes no part in the tab order
  bool enabledAtStart = true;
  int maxLength = 0;  // characters a text box takes; 0: no limit
  int index = 0;      // tells apart controls that share one name
  bool blackText = false;
  uint32_t lineColour = 0;  // 0xRRGGBB
  int linePixels = 0;
};

// Ctrl with a key, and Shift too when `shift`; key 0: none.
struct Shortcut {
  char key = 0;
  bool shift = false;
};

struct MenuEntry {
  std::string_view name;
  std::string_view caption;
  char shortcutKey = 0;    // with Ctrl, shown beside the caption; 0: none
  Shortcut alternative{};  // another that does the same, as other programs have it
};

struct MenuDescription {
  std::string_view name;
  std::string_view caption;
  std::span<const MenuEntry> entries;
};

struct FormDescription {
  std::string_view name;
  std::string_view caption;
  int clientWidth = 0;
  int clientHeight = 0;
  std::span<const ControlDescription> controls;  // in the order of creation
  std::span<const MenuDescription> menus;
};

// The one control called `name` (the one with `index` among lines that share
// a name). Asserts that the design has it.
const ControlDescription& FindControl(const FormDescription& form, std::string_view name, int index = 0);

// Whether the user can give the control the focus when its frame is enabled.
bool TakesFocus(ControlKind kind);

// The controls that take the focus, in the design's tab order.
std::vector<const ControlDescription*> TabOrder(const FormDescription& form);
