#include "platform/win32/messages_win32.h"

#include "platform/win32/wide.h"

namespace velkor::win32 {

int Win32Messages::Show(const std::string& text, const std::string& caption, UINT type) {
  HWND owner = GetActiveWindow();
  return MessageBoxW(owner != nullptr ? owner : owner_, Wide(text).c_str(), Wide(caption).c_str(),
                     type);
}

void Win32Messages::Inform(const std::string& text) {
  Show(text, title_, MB_OK);
}

bool Win32Messages::Confirm(const std::string& text, const std::string& caption) {
  return Show(text, caption, MB_OKCANCEL) == IDOK;
}

void Win32Messages::ShowError(const std::string& text) {
  Show(text, title_, MB_OK | MB_ICONERROR);
}

}  // namespace velkor::win32
