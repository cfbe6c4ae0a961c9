// The message boxes of the running program.
#pragma once

#include <windows.h>

#include <string>

#include "platform/messages.h"

namespace velkor::win32 {

class Win32Messages : public Messages {
 public:
  explicit Win32Messages(std::string title) : title_(std::move(title)) {}
  // The window that owns the boxes when none of ours is active.
  void SetOwner(HWND owner) { owner_ = owner; }

  void Inform(const std::string& text) override;
  bool Confirm(const std::string& text, const std::string& caption) override;
  void ShowError(const std::string& text) override;

 private:
  int Show(const std::string& text, const std::string& caption, UINT type);

  std::string title_;
  HWND owner_ = nullptr;
};

}  // namespace velkor::win32
