#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "forms/form_description.h"

// A window's controls, created from its design as standard controls. Frames
// are group boxes beside the controls they hold, so a frame's state is
// passed on to them: a control can be used when its frame is enabled and its
// own flag is set. Positions are converted from twips with the window's DPI
// and converted again when it changes.
class NativeForm {
 public:
  // Control identifiers start at `firstId`, one per design entry.
  NativeForm(const FormDescription& form, HWND window, int firstId);
  ~NativeForm();
  NativeForm(const NativeForm&) = delete;
  NativeForm& operator=(const NativeForm&) = delete;

  HWND Control(std::string_view name) const;
  int Id(std::string_view name) const;

  // Places and sizes the window's client area and every control for `dpi`.
  void Layout(UINT dpi);
  void SetFrameEnabled(std::string_view frame, bool enabled);
  // The design's width fits the font it was drawn with; a wider font would
  // cut a label's caption short. A label has no border, so letting it reach
  // its frame's edge changes nothing else.
  void WidenToCaption(std::string_view label) const;
  // Draws the design's lines; called while the window paints.
  void PaintLines(HDC dc) const;
  // Whether `control` shows black text, as some labels do.
  bool HasBlackText(HWND control) const;

  // The client area's size for `dpi`, in pixels.
  static SIZE ClientSize(const FormDescription& form, UINT dpi);
  // Twips to pixels at `dpi`: 1440 twips make an inch.
  static int Pixels(int twips, UINT dpi);

 private:
  struct Native {
    const ControlDescription* design;
    HWND window;  // null for lines, which are painted
    int id;
  };

  const Native& Find(std::string_view name) const;
  POINT Origin(const ControlDescription& control) const;  // in twips, within the client area
  void StackInTabOrder() const;

  const FormDescription& form_;
  HWND window_;
  std::vector<Native> controls_;
  HFONT font_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};
