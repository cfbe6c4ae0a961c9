// The system's own text for an error code, as GBK.
#pragma once

#include <windows.h>

#include <string>

namespace velkor::win32 {

std::string SystemErrorText(DWORD code);
inline std::string LastErrorText() {
  return SystemErrorText(GetLastError());
}

}  // namespace velkor::win32
