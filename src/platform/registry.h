// The registry, behind a seam: keys opened by path under a root, values read
// and written by name. Names and strings are GBK; the empty name is the key's
// default value. Tests put a fake here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "text/errors.h"

namespace velkor {

enum class RegistryRoot { kUsers, kCurrentUser };  // HKEY_USERS, HKEY_CURRENT_USER

// A value that cannot be read as asked, or cannot be written.
class RegistryError : public Error {
 public:
  enum class Fault {
    kGetData,   // missing, or unreadable
    kDataType,  // stored with another type than the one asked for
    kSetData,   // the write failed
  };
  RegistryError(Fault fault, const std::string& value_name)
      : Error(Text(fault, value_name)), fault_(fault), value_name_(value_name) {}
  Fault fault() const { return fault_; }
  const std::string& value_name() const { return value_name_; }

 private:
  static std::string Text(Fault fault, const std::string& value_name) {
    const char* lead = fault == Fault::kGetData    ? "Failed to get data for '"
                       : fault == Fault::kDataType ? "Invalid data type for '"
                                                   : "Failed to set data for '";
    return lead + value_name + "'";
  }
  Fault fault_;
  std::string value_name_;
};

// An open key. Destroying it closes it.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  virtual bool ValueExists(const std::string& name) = 0;

  // A 32-bit number (REG_DWORD).
  virtual std::int32_t ReadInteger(const std::string& name) = 0;
  // A string (REG_SZ or REG_EXPAND_SZ, the latter not expanded); an empty
  // value reads as the empty text.
  virtual std::string ReadString(const std::string& name) = 0;
  // A boolean is stored as a number: true when it is not 0.
  bool ReadBool(const std::string& name) { return ReadInteger(name) != 0; }

  virtual void WriteString(const std::string& name, const std::string& value) = 0;  // REG_SZ
  virtual void WriteInteger(const std::string& name, std::int32_t value) = 0;       // REG_DWORD
  void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens the key at `path` (parts separated by '\') under `root` for reading
  // and writing, creating it and any missing parents; null when it can be
  // neither opened nor created that way.
  virtual std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path) = 0;
};

}  // namespace velkor
