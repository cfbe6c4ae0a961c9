#include "platform/win32/control_subclass.h"

#include "platform/guard.h"

namespace velkor::win32 {
namespace {

constexpr const wchar_t* kProperty = L"VelkorSubclass";

}  // namespace

void ControlSubclass::Attach(HWND control) {
  Remove();
  control_ = control;
  SetPropW(control, kProperty, this);
  original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlSubclass::Procedure)));
}

void ControlSubclass::Remove() {
  if (control_ != nullptr && IsWindow(control_)) {
    SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropW(control_, kProperty);
  }
  control_ = nullptr;
}

LRESULT CALLBACK ControlSubclass::Procedure(HWND control, UINT message, WPARAM wparam,
                                            LPARAM lparam) {
  auto* self = static_cast<ControlSubclass*>(GetPropW(control, kProperty));
  if (self == nullptr) {
    return DefWindowProcW(control, message, wparam, lparam);
  }
  const WNDPROC original = self->original_;
  if (message == WM_NCDESTROY) {
    self->Remove();
    return CallWindowProcW(original, control, message, wparam, lparam);
  }
  LRESULT result = 0;
  bool handled = false;
  Guarded(self->messages_,
          [&] { handled = self->handler_ && self->handler_(message, wparam, lparam, result); });
  return handled ? result : CallWindowProcW(original, control, message, wparam, lparam);
}

}  // namespace velkor::win32
