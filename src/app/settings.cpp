#include "app/settings.h"

#include <string>
#include <utility>

namespace velkor {

void Settings::Load(Registry& registry, SettingsTarget& target) {
  key_ = registry.OpenKey(kRoot, kPath);
  if (key_ == nullptr) {
    key_ = registry.OpenKey(kFallbackRoot, kFallbackPath);
  }
  if (key_ == nullptr) {
    // Nothing can be kept: the first-start settings, without writing them
    // and without the help file (see the header).
    target.RandomCount() = 2;
    return;
  }

  bool new_window = false;
  if (key_->ValueExists("Ver")) {
    target.RandomCount() = key_->ReadInteger("RandomCount");
    new_window = key_->ReadBool("NewWindow");
    if (key_->ReadString("Ver") != kVersion) {
      key_->WriteString("Ver", kVersion);
      target.OpenHelp();
    }
  } else {
    // Only Ver marks a start after the first, so values without it are overwritten.
    target.RandomCount() = 2;
    key_->WriteString("", kProductName);
    key_->WriteInteger("RandomCount", 2);
    key_->WriteBool("NewWindow", false);
    key_->WriteString("Ver", kVersion);
    target.OpenHelp();
  }
  if (new_window) {
    target.SwitchToNewWindow();
  }
}

void Settings::Save(SettingsTarget& target) {
  // Closed and released even when a write fails.
  const std::unique_ptr<RegistryKey> key = std::move(key_);
  if (key == nullptr) {
    return;
  }
  key->WriteInteger("RandomCount", target.RandomCount());
  key->WriteBool("NewWindow", !target.CurrentWindowTicked());
}

void Settings::WriteRandomCount(std::int32_t count) {
  if (key_ != nullptr) {
    key_->WriteInteger("RandomCount", count);
  }
}

}  // namespace velkor
