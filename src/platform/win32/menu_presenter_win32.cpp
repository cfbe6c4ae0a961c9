#include "platform/win32/menu_presenter_win32.h"

#include "platform/guard.h"
#include "platform/win32/wide.h"

namespace velkor::win32 {
namespace {

HMENU Build(const MenuItem& parent, const MenuPictures& pictures, std::vector<MenuItem*>& items) {
  HMENU menu = CreatePopupMenu();
  for (std::size_t i = 0; i < parent.Count(); ++i) {
    MenuItem& item = parent.Item(i);
    const std::wstring caption = Wide(item.caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    if (item.IsSeparator()) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      items.push_back(&item);
      info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_BITMAP;
      info.wID = static_cast<UINT>(items.size());
      info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
      info.fState = (item.checked ? MFS_CHECKED : 0u) | (item.is_default ? MFS_DEFAULT : 0u);
      info.hbmpItem = pictures.Get(item.picture);
      if (item.Count() > 0) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = Build(item, pictures, items);
      }
    }
    InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &info);
  }
  return menu;
}

}  // namespace

void Realise(const MenuItem& root, const MenuPictures& pictures, RealisedMenu& out) {
  out.items.clear();
  out.menu = Build(root, pictures, out.items);
}

Win32MenuPresenter::Win32MenuPresenter(Messages& messages, const MenuPictures& pictures)
    : Window(messages), pictures_(pictures) {
  Create({L"VelkorMenuOwner"}, WS_EX_TOOLWINDOW, WS_POPUP, L"", RECT{0, 0, 0, 0}, nullptr);
}

void Win32MenuPresenter::Popup(MenuItem& menu, int screen_x, int screen_y, Align align) {
  RealisedMenu shown;
  Realise(menu, pictures_, shown);
  // The owner must be in front, or the menu would not close on an outside click.
  SetForegroundWindow(hwnd());
  const UINT flags =
      TPM_RETURNCMD | TPM_RIGHTBUTTON | (align == Align::kRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenuEx(shown.menu, flags, screen_x, screen_y, hwnd(), nullptr));
  PostMessageW(hwnd(), WM_NULL, 0, 0);
  if (chosen > 0 && chosen <= shown.items.size()) {
    MenuItem* item = shown.items[chosen - 1];
    Guarded(messages_, [item] { item->Click(); });
  }
}

LRESULT Win32MenuPresenter::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    return 0;  // only the bar's close ends the program
  }
  return Window::HandleMessage(message, wparam, lparam);
}

}  // namespace velkor::win32
