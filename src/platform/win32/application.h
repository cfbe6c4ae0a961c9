// The application object: title, taskbar entry, minimise and restore, the
// termination request and the message loop.
//
// The component library the bar was first designed for keeps one invisible
// top-level "application window" that carries the program's taskbar entry
// (its text is the application title) and owns every form, so the forms
// themselves have no taskbar entry. We keep the same shape: this class's
// window is that application window. It is shown with no size when the loop
// starts, so only its taskbar entry appears; the bar is an owned, topmost
// popup. The system commands minimise and restore are sent to it, exactly as
// the design says: minimising hides the owned windows and raises the
// minimise event (the bar then hides this window too, removing the taskbar
// entry); restoring shows this window and the owned windows again.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/window.h"

namespace velkor::win32 {

class Application : public Window {
 public:
  explicit Application(Messages& messages);

  void SetTitle(const std::string& title);
  const std::string& title() const { return title_; }

  // The window whose close ends the program and that the loop shows first.
  void SetMainWindow(HWND main_window) { main_window_ = main_window; }
  void SetOnMinimize(std::function<void()> on_minimize) { on_minimize_ = std::move(on_minimize); }

  // Brings the program's active window (a modal window when one is open) to the front.
  void BringToFront();

  // A termination request: takes effect when the message loop runs, so the
  // rest of start-up still runs and its messages are still shown.
  void Terminate();
  bool terminated() const { return terminated_; }

  // Shows the application and main window (unless termination was asked
  // for) and runs the message loop until the program ends.
  int Run();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void Minimize();
  void Restore();

  std::string title_;
  HWND main_window_ = nullptr;
  std::function<void()> on_minimize_;
  bool terminated_ = false;
  bool running_ = false;
};

}  // namespace velkor::win32
