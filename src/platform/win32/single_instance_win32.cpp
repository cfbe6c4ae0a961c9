#include <windows.h>

#include "platform/single_instance.h"
#include "platform/win32/wide.h"

namespace velkor {

bool AcquireSingleInstance(const std::string& mutex_name) {
  // Never closed: the mutex lives as long as the process.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, win32::Wide(mutex_name).c_str());
  return mutex != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
}

}  // namespace velkor
