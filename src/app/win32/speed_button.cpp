#include "app/win32/speed_button.h"

#include "platform/win32/window.h"

namespace velkor {

SpeedButton::SpeedButton(RECT bounds, int picture_resource)
    : bounds_(bounds),
      picture_(static_cast<HBITMAP>(LoadImageW(win32::ModuleInstance(),
                                               MAKEINTRESOURCEW(picture_resource), IMAGE_BITMAP, 0,
                                               0, LR_CREATEDIBSECTION))) {}

void SpeedButton::Paint(HDC dc, HBRUSH background) const {
  RECT area = bounds_;
  FillRect(dc, &area, background);
  if (picture_.get() != nullptr) {
    BITMAP shape{};
    GetObjectW(picture_.get(), sizeof shape, &shape);
    const int offset = down ? 1 : 0;
    const int left = area.left + (area.right - area.left - shape.bmWidth) / 2 + offset;
    const int top = area.top + (area.bottom - area.top - shape.bmHeight) / 2 + offset;
    win32::MemoryDc source(dc, picture_.get());
    BitBlt(dc, left, top, shape.bmWidth, shape.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  // Flat: an edge only while the mouse is over the button or presses it.
  if (down) {
    DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot) {
    DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
  }
}

}  // namespace velkor
