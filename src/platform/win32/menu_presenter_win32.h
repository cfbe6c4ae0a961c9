// Shows a menu model as a system popup menu. The system menu exists only
// while it is shown; the chosen item's click runs after it has closed, in
// the error guard.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/menu.h"
#include "platform/win32/menu_pictures.h"
#include "platform/win32/window.h"

namespace velkor::win32 {

// A system menu made from a model; item identifiers index `items`.
struct RealisedMenu {
  HMENU menu = nullptr;
  std::vector<MenuItem*> items;  // identifier i + 1 is items[i]
  RealisedMenu() = default;
  RealisedMenu(const RealisedMenu&) = delete;
  RealisedMenu& operator=(const RealisedMenu&) = delete;
  ~RealisedMenu() {
    if (menu != nullptr) {
      DestroyMenu(menu);
    }
  }
};

// Builds the popup menu for `root`'s items (recursively).
void Realise(const MenuItem& root, const MenuPictures& pictures, RealisedMenu& out);

class Win32MenuPresenter : public MenuPresenter, private Window {
 public:
  Win32MenuPresenter(Messages& messages, const MenuPictures& pictures);
  void Popup(MenuItem& menu, int screen_x, int screen_y, Align align) override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  const MenuPictures& pictures_;
};

}  // namespace velkor::win32
