// The shared menu pictures, cut from one strip bitmap whose magenta pixels
// are transparent. Each picture becomes a 32-bit bitmap with alpha, the form
// system menus draw with transparency.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/gdi.h"

namespace velkor::win32 {

class MenuPictures {
 public:
  MenuPictures(int strip_resource, int size);
  MenuPictures(const MenuPictures&) = delete;
  MenuPictures& operator=(const MenuPictures&) = delete;

  // nullptr for a number outside the strip.
  HBITMAP Get(int number) const;
  int count() const { return static_cast<int>(pictures_.size()); }

 private:
  std::vector<GdiObject<HBITMAP>> pictures_;
};

}  // namespace velkor::win32
