// Stand-ins behind the seams, so no test waits on a dialog or a menu.
#pragma once

#include <string>
#include <vector>

#include "platform/menu.h"
#include "platform/messages.h"
#include "platform/shell.h"

namespace velkor {

class FakeMessages : public Messages {
 public:
  void Inform(const std::string& text) override { informed.push_back(text); }
  bool Confirm(const std::string& text, const std::string& caption) override {
    confirmed.push_back(caption + ": " + text);
    return answer;
  }
  void ShowError(const std::string& text) override { errors.push_back(text); }

  std::vector<std::string> informed;
  std::vector<std::string> confirmed;
  std::vector<std::string> errors;
  bool answer = true;
};

// Records what the shell was asked to do.
class FakeShell : public Shell {
 public:
  void Open(const std::string& target, Show show) override {
    calls.push_back("open " + target + (show == Show::kMaximized ? " maximised" : ""));
  }
  std::string AssociatedProgram(const std::string& file) override {
    calls.push_back("find " + file);
    return browser;
  }
  void Start(const std::string& program, const std::string& parameters) override {
    calls.push_back("start " + program + " " + parameters);
  }
  std::string ProgramFolder() override { return folder; }

  std::vector<std::string> calls;
  std::string browser = "C:\\browser.exe";
  std::string folder = "C:\\velkor";
};

class FakeMenuPresenter : public MenuPresenter {
 public:
  struct Shown {
    MenuItem* menu;
    int x;
    int y;
    Align align;
  };
  void Popup(MenuItem& menu, int x, int y, Align align) override {
    shown.push_back({&menu, x, y, align});
  }
  std::vector<Shown> shown;
};

}  // namespace velkor

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <variant>

#include "platform/registry.h"

namespace velkor {

// A registry in memory: keys by root and path, each value a number or a
// string. Roots in `refused` cannot be opened; with `refuse_writes` every
// write fails.
class FakeRegistry : public Registry {
 public:
  using Value = std::variant<std::int32_t, std::string>;
  using Values = std::map<std::string, Value>;

  static std::string KeyName(RegistryRoot root, const std::string& path) {
    return (root == RegistryRoot::kUsers ? "HKEY_USERS\\" : "HKEY_CURRENT_USER\\") + path;
  }

  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path) override {
    if (refused.count(root) > 0) {
      return nullptr;
    }
    return std::make_unique<Key>(*this, keys[KeyName(root, path)]);
  }

  std::map<std::string, Values> keys;
  std::set<RegistryRoot> refused;
  bool refuse_writes = false;
  int open_keys = 0;

 private:
  class Key : public RegistryKey {
   public:
    Key(FakeRegistry& registry, Values& values) : registry_(registry), values_(values) {
      ++registry_.open_keys;
    }
    ~Key() override { --registry_.open_keys; }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    bool ValueExists(const std::string& name) override { return values_.count(name) > 0; }
    std::int32_t ReadInteger(const std::string& name) override { return Read<std::int32_t>(name); }
    std::string ReadString(const std::string& name) override { return Read<std::string>(name); }
    void WriteString(const std::string& name, const std::string& value) override {
      Write(name, value);
    }
    void WriteInteger(const std::string& name, std::int32_t value) override { Write(name, value); }

   private:
    template <class T>
    T Read(const std::string& name) const {
      const auto found = values_.find(name);
      if (found == values_.end()) {
        throw RegistryError(RegistryError::Fault::kGetData, name);
      }
      if (!std::holds_alternative<T>(found->second)) {
        throw RegistryError(RegistryError::Fault::kDataType, name);
      }
      return std::get<T>(found->second);
    }
    void Write(const std::string& name, Value value) {
      if (registry_.refuse_writes) {
        throw RegistryError(RegistryError::Fault::kSetData, name);
      }
      values_[name] = std::move(value);
    }

    FakeRegistry& registry_;
    Values& values_;
  };
};

}  // namespace velkor
