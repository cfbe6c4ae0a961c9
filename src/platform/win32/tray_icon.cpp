#include "platform/win32/tray_icon.h"

#include <shellapi.h>

#include "platform/win32/wide.h"

namespace velkor::win32 {

TrayIcon::TrayIcon(Messages& messages, MenuPresenter& presenter)
    : Window(messages),
      presenter_(presenter),
      taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {
  Create({L"VelkorTrayIcon"}, WS_EX_TOOLWINDOW, WS_POPUP, L"", RECT{0, 0, 0, 0}, nullptr);
}

TrayIcon::~TrayIcon() {
  Remove();
}

void TrayIcon::Notify(DWORD action) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = hwnd();
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  lstrcpynW(data.szTip, tooltip_.c_str(), ARRAYSIZE(data.szTip));
  Shell_NotifyIconW(action, &data);
}

void TrayIcon::Show(HICON icon, const std::string& tooltip) {
  icon_ = icon;
  tooltip_ = Wide(tooltip);
  Notify(shown_ ? NIM_MODIFY : NIM_ADD);
  shown_ = true;
}

void TrayIcon::Remove() {
  if (shown_) {
    Notify(NIM_DELETE);
    shown_ = false;
  }
}

void TrayIcon::LeftClick() {
  if (left_menu != nullptr) {
    POINT cursor{};
    GetCursorPos(&cursor);
    presenter_.Popup(*left_menu, cursor.x, cursor.y, MenuPresenter::Align::kRight);
  } else if (on_left_click) {
    on_left_click();
  }
}

LRESULT TrayIcon::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kCallbackMessage) {
    switch (LOWORD(lparam)) {
      case WM_LBUTTONUP:
        LeftClick();
        break;
      case WM_RBUTTONUP:
        if (on_right_click) {
          on_right_click();
        }
        break;
    }
    return 0;
  }
  if (message == taskbar_created_ && shown_) {
    Notify(NIM_ADD);  // the shell restarted and lost its icons
    return 0;
  }
  if (message == WM_CLOSE) {
    return 0;  // only the bar's close ends the program
  }
  return Window::HandleMessage(message, wparam, lparam);
}

}  // namespace velkor::win32
