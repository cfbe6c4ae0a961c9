// The registry seam on Windows: the advapi32 registry functions, with names
// and strings converted between GBK and UTF-16.
#pragma once

#include <memory>
#include <string>

#include "platform/registry.h"

namespace velkor::win32 {

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path) override;
};

}  // namespace velkor::win32
