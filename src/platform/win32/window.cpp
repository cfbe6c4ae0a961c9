#include "platform/win32/window.h"

#include "platform/guard.h"
#include "text/errors.h"
#include "platform/win32/system_error.h"

namespace velkor::win32 {

HINSTANCE ModuleInstance() {
  return GetModuleHandleW(nullptr);
}

Window::~Window() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::Create(const ClassStyle& window_class, DWORD ex_style, DWORD style,
                    const std::wstring& text, RECT bounds, HWND parent) {
  WNDCLASSEXW info{};
  if (!GetClassInfoExW(ModuleInstance(), window_class.name, &info)) {
    info.cbSize = sizeof info;
    info.style = window_class.style;
    info.lpfnWndProc = &Window::Procedure;
    info.hInstance = ModuleInstance();
    info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    info.hbrBackground = window_class.background;
    info.hIcon = window_class.icon;
    info.lpszClassName = window_class.name;
    if (!RegisterClassExW(&info)) {
      throw Error(LastErrorText());
    }
  }
  CreateWindowExW(ex_style, window_class.name, text.c_str(), style, bounds.left, bounds.top,
                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                  ModuleInstance(), this);
  if (hwnd_ == nullptr) {
    throw Error(LastErrorText());
  }
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return Default(message, wparam, lparam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (self == nullptr) {
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  LRESULT result = 0;
  Guarded(self->messages_, [&] { result = self->HandleMessage(message, wparam, lparam); });
  return result;
}

}  // namespace velkor::win32
