#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <cstring>
#include <initializer_list>

#include "platform/win32/wide.h"

namespace velkor::win32 {
namespace {

class Win32RegistryKey : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}
  ~Win32RegistryKey() override { RegCloseKey(key_); }
  Win32RegistryKey(const Win32RegistryKey&) = delete;
  Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

  // The type is looked at before the data, so a longer value of another type
  // is reported as such and not as data that did not fit.
  void CheckType(const std::wstring& wide_name, const std::string& name,
                 std::initializer_list<DWORD> accepted, DWORD& type, DWORD& size) {
    if (RegQueryValueExW(key_, wide_name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
      throw RegistryError(RegistryError::Fault::kGetData, name);
    }
    for (const DWORD kind : accepted) {
      if (type == kind) {
        return;
      }
    }
    throw RegistryError(RegistryError::Fault::kDataType, name);
  }

  bool ValueExists(const std::string& name) override {
    return RegQueryValueExW(key_, Wide(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
  }

  std::int32_t ReadInteger(const std::string& name) override {
    const std::wstring wide_name = Wide(name);
    DWORD type = 0;
    DWORD size = 0;
    CheckType(wide_name, name, {REG_DWORD}, type, size);
    DWORD value = 0;
    size = sizeof value;
    if (RegQueryValueExW(key_, wide_name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value) {
      throw RegistryError(RegistryError::Fault::kGetData, name);
    }
    std::int32_t number = 0;
    std::memcpy(&number, &value, sizeof number);
    return number;
  }

  std::string ReadString(const std::string& name) override {
    const std::wstring wide_name = Wide(name);
    DWORD type = 0;
    DWORD size = 0;
    CheckType(wide_name, name, {REG_SZ, REG_EXPAND_SZ}, type, size);
    // The value may change between the two calls; grow until it fits.
    std::wstring text;
    LONG result = ERROR_MORE_DATA;
    while (result == ERROR_MORE_DATA) {
      // One spare character, so the text ends even when the stored data does not.
      text.assign(size / sizeof(wchar_t) + 1, L'\0');
      size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
      result = RegQueryValueExW(key_, wide_name.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(text.data()), &size);
    }
    if (result != ERROR_SUCCESS) {
      throw RegistryError(RegistryError::Fault::kGetData, name);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
      throw RegistryError(RegistryError::Fault::kDataType, name);
    }
    text.resize(size / sizeof(wchar_t));
    text.resize(std::wcslen(text.c_str()));  // stored data may carry its terminator
    return Narrow(text);
  }

  void WriteString(const std::string& name, const std::string& value) override {
    const std::wstring text = Wide(value);
    const auto size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    Set(name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size);
  }

  void WriteInteger(const std::string& name, std::int32_t value) override {
    DWORD data = 0;
    std::memcpy(&data, &value, sizeof data);
    Set(name, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
  }

 private:
  void Set(const std::string& name, DWORD type, const BYTE* data, DWORD size) {
    if (RegSetValueExW(key_, Wide(name).c_str(), 0, type, data, size) != ERROR_SUCCESS) {
      throw RegistryError(RegistryError::Fault::kSetData, name);
    }
  }

  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RegistryRoot root, const std::string& path) {
  HKEY key = nullptr;
  const LONG result = RegCreateKeyExW(root == RegistryRoot::kUsers ? HKEY_USERS : HKEY_CURRENT_USER,
                                      Wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  if (result != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<Win32RegistryKey>(key);
}

}  // namespace velkor::win32
