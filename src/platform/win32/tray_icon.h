// The icon in the notification area: icon, tooltip, a left-button menu that
// can be removed and given back, and the two click events.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/menu.h"
#include "platform/win32/window.h"

namespace velkor::win32 {

class TrayIcon : public Window {
 public:
  // The message the icon's clicks arrive as (lparam: the mouse message).
  static constexpr UINT kCallbackMessage = WM_APP + 1;

  TrayIcon(Messages& messages, MenuPresenter& presenter);
  ~TrayIcon() override;

  void Show(HICON icon, const std::string& tooltip);
  void Remove();
  bool shown() const { return shown_; }

  // Opened at the cursor, aligned by its right edge, on a left click. While
  // it is null a left click raises on_left_click instead.
  MenuItem* left_menu = nullptr;
  std::function<void()> on_left_click;
  std::function<void()> on_right_click;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void Notify(DWORD action);
  void LeftClick();

  MenuPresenter& presenter_;
  UINT taskbar_created_;
  HICON icon_ = nullptr;
  std::wstring tooltip_;
  bool shown_ = false;
};

}  // namespace velkor::win32
