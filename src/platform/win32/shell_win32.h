// The shell seam on Windows: ShellExecuteW and FindExecutableW, the bar as owner.
#pragma once

#include <windows.h>

#include "platform/shell.h"

namespace velkor::win32 {

class Win32Shell : public Shell {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }

  void Open(const std::string& target, Show show) override;
  std::string AssociatedProgram(const std::string& file) override;
  void Start(const std::string& program, const std::string& parameters) override;
  std::string ProgramFolder() override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace velkor::win32
