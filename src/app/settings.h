// The settings store: the random count and the open mode, kept between runs
// in one registry key together with a version marker that tells a first
// start, and the first start after an update, from an ordinary start.
//
// The key is HKEY_USERS\.DEFAULT\SOFTWARE\Videvodadi\Config. A standard user
// may only read the default profile on Windows, so when that key cannot be
// opened for writing the same place in the current user's own hive is used
// (HKEY_CURRENT_USER\SOFTWARE\Videvodadi\Config). When neither can be opened
// the bar runs with the first-start settings and nothing is kept: no error
// is shown, and the help file is not opened, because on such a machine every
// start would look like a first start and open it again. Help stays one
// click away in the menu.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/registry.h"

namespace velkor {

// What the settings are applied to and taken from: the bar.
class SettingsTarget {
 public:
  virtual ~SettingsTarget() = default;
  virtual std::int32_t& RandomCount() = 0;
  virtual void OpenHelp() = 0;           // as the menu's "帮助" does
  virtual void SwitchToNewWindow() = 0;  // as the click of "在新的浏览器中打开" does
  virtual bool CurrentWindowTicked() = 0;
};

class Settings {
 public:
  static constexpr RegistryRoot kRoot = RegistryRoot::kUsers;
  static constexpr const char* kPath = ".DEFAULT\\SOFTWARE\\Videvodadi\\Config";
  static constexpr RegistryRoot kFallbackRoot = RegistryRoot::kCurrentUser;
  static constexpr const char* kFallbackPath = "SOFTWARE\\Videvodadi\\Config";
  static constexpr const char* kVersion = "6.0";
  static constexpr const char* kProductName = "Velkor书签";

  // Opens the key, keeps it open and applies the stored settings, or writes
  // the first-start ones. A read error propagates and skips the rest: what
  // was read before it stays applied, and the key stays open, so the next
  // close repairs it.
  void Load(Registry& registry, SettingsTarget& target);

  // Writes the random count and the open mode, then closes the key. Without
  // a key it does nothing.
  void Save(SettingsTarget& target);

  // For the random-count dialog: written at once. Without a key it does nothing.
  void WriteRandomCount(std::int32_t count);

  // Whether a key is open, that is, whether settings are being kept.
  bool kept() const { return key_ != nullptr; }

 private:
  std::unique_ptr<RegistryKey> key_;
};

}  // namespace velkor
