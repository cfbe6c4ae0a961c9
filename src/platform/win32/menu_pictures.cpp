#include "platform/win32/menu_pictures.h"

#include "platform/win32/gdi.h"
#include "platform/win32/system_error.h"
#include "platform/win32/window.h"
#include "text/errors.h"

namespace velkor::win32 {
namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

HBITMAP CutPicture(HDC screen, HDC strip, int left, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (picture == nullptr) {
    throw Error(LastErrorText());
  }
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const COLORREF colour = GetPixel(strip, left + x, y);
      // Premultiplied BGRA: transparent pixels are all zero.
      pixels[y * size + x] = colour == kTransparent
                                 ? 0
                                 : 0xFF000000u | (GetRValue(colour) << 16) |
                                       (GetGValue(colour) << 8) | GetBValue(colour);
    }
  }
  return picture;
}

}  // namespace

MenuPictures::MenuPictures(int strip_resource, int size) {
  GdiObject<HBITMAP> strip(
      static_cast<HBITMAP>(LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(strip_resource),
                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (strip.get() == nullptr) {
    throw Error(LastErrorText());
  }
  BITMAP shape{};
  GetObjectW(strip.get(), sizeof shape, &shape);
  ScreenDc screen;
  MemoryDc source(screen.get(), strip.get());
  for (int left = 0; left + size <= shape.bmWidth; left += size) {
    pictures_.emplace_back(CutPicture(screen.get(), source.get(), left, size));
  }
}

HBITMAP MenuPictures::Get(int number) const {
  return number >= 0 && number < count() ? pictures_[static_cast<std::size_t>(number)].get()
                                         : nullptr;
}

}  // namespace velkor::win32
