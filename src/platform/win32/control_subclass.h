// Lets an object see a control's messages before the control does, for the
// keys and clicks of an edit field. The object must outlive the control's
// subclassing (Remove, or the control's destruction, ends it).
#pragma once

#include <windows.h>

#include <functional>

#include "platform/messages.h"

namespace velkor::win32 {

class ControlSubclass {
 public:
  // Returns true when it handled the message; `result` is then returned.
  using Handler = std::function<bool(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)>;

  ControlSubclass(Messages& messages, Handler handler)
      : messages_(messages), handler_(std::move(handler)) {}
  ~ControlSubclass() { Remove(); }
  ControlSubclass(const ControlSubclass&) = delete;
  ControlSubclass& operator=(const ControlSubclass&) = delete;

  void Attach(HWND control);
  void Remove();
  // The control's own handling, for a handler that adds to it.
  LRESULT CallOriginal(UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcW(original_, control_, message, wparam, lparam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

  Messages& messages_;
  Handler handler_;
  HWND control_ = nullptr;
  WNDPROC original_ = nullptr;
};

}  // namespace velkor::win32
