// Scope guards for GDI handles.
#pragma once

#include <windows.h>

namespace velkor::win32 {

// A rectangle from the left, top, width and height of a window layout.
inline RECT Bounds(int left, int top, int width, int height) {
  return RECT{left, top, left + width, top + height};
}

// A font of the given face and height in pixels.
inline HFONT MakeFont(const wchar_t* face, int pixels) {
  return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

// Owns a pen, brush, font or bitmap; release() hands it on.
template <class Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~GdiObject() {
    if (handle_ != nullptr) {
      DeleteObject(handle_);
    }
  }
  GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      GdiObject(other.release()).Swap(*this);
    }
    return *this;
  }
  Handle get() const { return handle_; }
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  void Swap(GdiObject& other) noexcept {
    Handle handle = handle_;
    handle_ = other.handle_;
    other.handle_ = handle;
  }
  Handle handle_;
};

// The screen's device context for the scope.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context with one object selected for the scope.
class MemoryDc {
 public:
  MemoryDc(HDC compatible_with, HGDIOBJ selected)
      : dc_(CreateCompatibleDC(compatible_with)), old_(SelectObject(dc_, selected)) {}
  ~MemoryDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace velkor::win32
