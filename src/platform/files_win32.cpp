// Files for the Windows build: GBK names become UTF-16 for the wide API.
#include <windows.h>

#include "platform/files.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"
#include "text/errors.h"

namespace velkor::files {
namespace {

using win32::LastErrorText;
using win32::Wide;

class Win32WriteSteps : public WriteSteps {
 public:
  ~Win32WriteSteps() override {
    if (file_ != INVALID_HANDLE_VALUE) {
      CloseHandle(file_);
    }
  }
  void Create(const std::string& temp) override {
    file_ = CreateFileW(Wide(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) {
      throw Error(LastErrorText());
    }
  }
  void Write(std::string_view bytes) override {
    DWORD written = 0;
    if (!WriteFile(file_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
      throw Error(LastErrorText());
    }
  }
  void Flush() override {
    if (!FlushFileBuffers(file_)) {
      throw Error(LastErrorText());
    }
  }
  void Close() override {
    HANDLE file = file_;
    file_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(file)) {
      throw Error(LastErrorText());
    }
  }
  void Replace(const std::string& temp, const std::string& target) override {
    if (!MoveFileExW(Wide(temp).c_str(), Wide(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      throw Error(LastErrorText());
    }
  }
  void Discard(const std::string& temp) noexcept override {
    if (file_ != INVALID_HANDLE_VALUE) {
      CloseHandle(file_);
      file_ = INVALID_HANDLE_VALUE;
    }
    DeleteFileW(Wide(temp).c_str());
  }

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace

bool Exists(const std::string& name) {
  const DWORD attributes = GetFileAttributesW(Wide(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::string& name) {
  return GetFileAttributesW(Wide(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadAll(const std::string& name) {
  HANDLE file = CreateFileW(Wide(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    throw FileOpenError(name, LastErrorText());
  }
  std::string bytes;
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) {
      const std::string reason = LastErrorText();
      CloseHandle(file);
      throw FileOpenError(name, reason);
    }
    if (read == 0) {
      break;
    }
    bytes.append(buffer, read);
  }
  CloseHandle(file);
  return bytes;
}

bool Remove(const std::string& name) {
  return DeleteFileW(Wide(name).c_str()) != 0;
}

std::unique_ptr<WriteSteps> SystemWriteSteps() {
  return std::make_unique<Win32WriteSteps>();
}

}  // namespace velkor::files
