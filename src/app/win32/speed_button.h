// A flat speed button drawn by the bar itself rather than a window of its
// own, so the bar's hit test sees every point of it (the grip's drag area
// reaches one column into sbStart).
#pragma once

#include <windows.h>

#include <functional>

#include "platform/win32/gdi.h"

namespace velkor {

class SpeedButton {
 public:
  SpeedButton(RECT bounds, int picture_resource);

  const RECT& bounds() const { return bounds_; }
  bool Contains(POINT client) const { return PtInRect(&bounds_, client) != FALSE; }
  void Paint(HDC dc, HBRUSH background) const;

  // Mouse state, set by the bar from its own mouse messages.
  bool hot = false;
  bool down = false;

  std::function<void()> on_click;  // a left click released over the button
  // Any button released after a press on it; x and y in the button's coordinates.
  std::function<void(int button, int x, int y)> on_mouse_up;

 private:
  RECT bounds_;
  win32::GdiObject<HBITMAP> picture_;
};

}  // namespace velkor
