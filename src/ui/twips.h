#pragma once

#include <QRect>

// The windows are designed in twips. Fifteen twips make one device-independent
// pixel, so Qt scales the layout with the screen's resolution.
constexpr int Twips(int twips) { return (twips + 7) / 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
  return {Twips(left), Twips(top), Twips(width), Twips(height)};
}
