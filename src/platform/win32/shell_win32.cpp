#include "platform/win32/shell_win32.h"

#include <shellapi.h>

#include "platform/win32/wide.h"

namespace velkor::win32 {

void Win32Shell::Open(const std::string& target, Show show) {
  ShellExecuteW(owner_, nullptr, Wide(target).c_str(), nullptr, nullptr,
                show == Show::kMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

std::string Win32Shell::AssociatedProgram(const std::string& file) {
  wchar_t program[MAX_PATH] = {};
  const auto result =
      reinterpret_cast<INT_PTR>(FindExecutableW(Wide(file).c_str(), nullptr, program));
  return result > 32 ? Narrow(program) : std::string();
}

void Win32Shell::Start(const std::string& program, const std::string& parameters) {
  ShellExecuteW(owner_, nullptr, Wide(program).c_str(), Wide(parameters).c_str(), nullptr,
                SW_SHOWNORMAL);
}

std::string Win32Shell::ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return Narrow(path.substr(0, path.find_last_of(L"\\/")));
}

}  // namespace velkor::win32
