#include "platform/win32/application.h"

#include "platform/win32/wide.h"

namespace velkor::win32 {

Application::Application(Messages& messages) : Window(messages) {
  Create({L"VelkorApplication"}, 0,
         WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, L"",
         RECT{0, 0, 0, 0}, nullptr);
}

void Application::SetTitle(const std::string& title) {
  title_ = title;
  SetWindowTextW(hwnd(), Wide(title).c_str());
}

void Application::BringToFront() {
  if (main_window_ == nullptr) {
    return;
  }
  HWND active = GetLastActivePopup(main_window_);
  SetForegroundWindow(active != nullptr && IsWindowVisible(active) ? active : main_window_);
}

void Application::Terminate() {
  terminated_ = true;
  if (running_) {
    PostQuitMessage(0);
  }
}

int Application::Run() {
  if (terminated_) {
    return 0;
  }
  running_ = true;
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  if (main_window_ != nullptr) {
    ShowWindow(main_window_, SW_SHOW);
    SetForegroundWindow(main_window_);
  }
  MSG message{};
  while (!terminated_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  running_ = false;
  return 0;
}

void Application::Minimize() {
  ShowOwnedPopups(hwnd(), FALSE);
  ShowWindow(hwnd(), SW_MINIMIZE);
  if (on_minimize_) {
    on_minimize_();
  }
}

void Application::Restore() {
  ShowWindow(hwnd(), SW_RESTORE);
  ShowOwnedPopups(hwnd(), TRUE);
}

LRESULT Application::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SYSCOMMAND:
      switch (wparam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return 0;
        case SC_RESTORE:
          Restore();
          return 0;
      }
      break;
    case WM_CLOSE:
      // A close request to the application (the taskbar entry's menu, a task
      // manager) closes the main window, which runs its close sequence.
      if (main_window_ != nullptr) {
        PostMessageW(main_window_, WM_CLOSE, 0, 0);
      }
      return 0;
  }
  return Default(message, wparam, lparam);
}

}  // namespace velkor::win32
