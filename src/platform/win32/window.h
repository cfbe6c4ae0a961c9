// The small window base: `this` travels through lpCreateParams, is kept in
// GWLP_USERDATA, and one static procedure forwards every message to the
// object's HandleMessage inside the error guard.
#pragma once

#include <windows.h>

#include <string>

#include "platform/messages.h"

namespace velkor::win32 {

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  explicit Window(Messages& messages) : messages_(messages) {}

  struct ClassStyle {
    const wchar_t* name;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
    UINT style = 0;
  };
  // Registers the class on first use and creates the window.
  void Create(const ClassStyle& window_class, DWORD ex_style, DWORD style, const std::wstring& text,
              RECT bounds, HWND parent);

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd_, message, wparam, lparam);
  }

  Messages& messages_;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
};

HINSTANCE ModuleInstance();

}  // namespace velkor::win32
