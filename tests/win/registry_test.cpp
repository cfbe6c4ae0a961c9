#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/registry_win32.h"
#include "platform/win32/wide.h"

namespace velkor {
namespace {

// A scratch key of the current user, below a parent that does not exist
// yet, so opening also creates parents; deleted afterwards.
class Win32RegistryTest : public testing::Test {
 protected:
  static constexpr const wchar_t* kScratch = L"Software\\VelkorRegistryTest";
  static constexpr const char* kPath = "Software\\VelkorRegistryTest\\书签\\Config";

  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratch); }
  void TearDown() override {
    key_.reset();
    EXPECT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, kScratch), ERROR_SUCCESS);
  }

  RegistryKey& Open() {
    key_ = registry_.OpenKey(RegistryRoot::kCurrentUser, kPath);
    if (key_ == nullptr) {
      throw Error("scratch key not opened");
    }
    return *key_;
  }

  // Stores a value of any type, bypassing the seam.
  void SetRaw(const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, win32::Wide(kPath).c_str(), 0, KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, win32::Wide(name).c_str(), 0, type,
                             static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  // The stored type of a value, bypassing the seam; REG_NONE when missing.
  DWORD TypeOf(const std::string& name) {
    DWORD type = REG_NONE;
    if (RegGetValueW(HKEY_CURRENT_USER, win32::Wide(kPath).c_str(), win32::Wide(name).c_str(),
                     RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, nullptr) != ERROR_SUCCESS) {
      return REG_NONE;
    }
    return type;
  }

  static std::string ErrorOf(void (*read)(RegistryKey&), RegistryKey& key) {
    try {
      read(key);
    } catch (const RegistryError& error) {
      return error.what();
    }
    return "no error";
  }

  win32::Win32Registry registry_;
  std::unique_ptr<RegistryKey> key_;
};

TEST_F(Win32RegistryTest, WritesEveryTypeAndReadsItBackAfterReopening) {
  RegistryKey& key = Open();
  key.WriteString("名称", "中文 text");
  key.WriteString("empty", "");
  key.WriteInteger("negative", -5);
  key.WriteInteger("large", 0x7fffffff);
  key.WriteBool("yes", true);
  key.WriteBool("no", false);

  RegistryKey& reopened = Open();
  EXPECT_EQ(reopened.ReadString("名称"), "中文 text");
  EXPECT_EQ(reopened.ReadString("empty"), "");
  EXPECT_EQ(reopened.ReadInteger("negative"), -5);
  EXPECT_EQ(reopened.ReadInteger("large"), 0x7fffffff);
  EXPECT_EQ(reopened.ReadInteger("yes"), 1);
  EXPECT_EQ(reopened.ReadInteger("no"), 0);
  EXPECT_TRUE(reopened.ReadBool("yes"));
  EXPECT_FALSE(reopened.ReadBool("no"));
  EXPECT_TRUE(reopened.ValueExists("名称"));
  EXPECT_FALSE(reopened.ValueExists("missing"));

  // What other programs see: numbers and booleans as REG_DWORD, text as REG_SZ.
  for (const char* name : {"negative", "large", "yes", "no"}) {
    EXPECT_EQ(TypeOf(name), static_cast<DWORD>(REG_DWORD)) << name;
  }
  EXPECT_EQ(TypeOf("名称"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(TypeOf("empty"), static_cast<DWORD>(REG_SZ));
}

TEST_F(Win32RegistryTest, ReadsStringsOfBothTypesAsStoredByOthers) {
  Open();
  const wchar_t expand[] = L"%TEMP%\\x";
  SetRaw("expand", REG_EXPAND_SZ, expand, sizeof expand);
  const wchar_t unterminated[] = {L'6', L'.', L'0'};
  SetRaw("unterminated", REG_SZ, unterminated, sizeof unterminated);
  SetRaw("no data", REG_SZ, nullptr, 0);
  const DWORD any = 7;
  SetRaw("seven", REG_DWORD, &any, sizeof any);

  RegistryKey& key = Open();
  EXPECT_EQ(key.ReadString("expand"), "%TEMP%\\x") << "read as stored, not expanded";
  EXPECT_EQ(key.ReadString("unterminated"), "6.0");
  EXPECT_EQ(key.ReadString("no data"), "");
  EXPECT_TRUE(key.ReadBool("seven"));
}

TEST_F(Win32RegistryTest, MissingValuesAndOtherTypesAreErrorsNamingTheValue) {
  Open();
  const unsigned char bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  SetRaw("binary", REG_BINARY, bytes, sizeof bytes);
  RegistryKey& key = Open();
  key.WriteString("text", "6.0");
  key.WriteInteger("number", 6);

  struct Case {
    void (*read)(RegistryKey&);
    const char* error;
  };
  const Case cases[] = {
      {[](RegistryKey& k) { k.ReadInteger("缺少"); }, "Failed to get data for '缺少'"},
      {[](RegistryKey& k) { k.ReadString("缺少"); }, "Failed to get data for '缺少'"},
      {[](RegistryKey& k) { k.ReadBool("缺少"); }, "Failed to get data for '缺少'"},
      {[](RegistryKey& k) { k.ReadInteger("text"); }, "Invalid data type for 'text'"},
      {[](RegistryKey& k) { k.ReadBool("text"); }, "Invalid data type for 'text'"},
      {[](RegistryKey& k) { k.ReadString("number"); }, "Invalid data type for 'number'"},
      {[](RegistryKey& k) { k.ReadInteger("binary"); }, "Invalid data type for 'binary'"},
      {[](RegistryKey& k) { k.ReadString("binary"); }, "Invalid data type for 'binary'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf(c.read, key), c.error);
  }
}

TEST_F(Win32RegistryTest, TheEmptyNameIsTheKeysDefaultValue) {
  RegistryKey& key = Open();
  EXPECT_FALSE(key.ValueExists(""));
  EXPECT_EQ(ErrorOf([](RegistryKey& k) { k.ReadString(""); }, key), "Failed to get data for ''");
  key.WriteString("", "Velkor书签");
  EXPECT_TRUE(key.ValueExists(""));
  EXPECT_EQ(key.ReadString(""), "Velkor书签");

  // The same value as the system's own default-value query finds it.
  wchar_t text[32] = {};
  LONG size = sizeof text;
  ASSERT_EQ(RegQueryValueW(HKEY_CURRENT_USER, win32::Wide(kPath).c_str(), text, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(win32::Narrow(text), "Velkor书签");
}

// Refused rights cannot be arranged here; a key name longer than the
// system allows fails the same call.
TEST_F(Win32RegistryTest, AKeyThatCannotBeOpenedGivesNoKey) {
  const std::string too_long = std::string(kPath) + "\\" + std::string(300, 'k');
  EXPECT_EQ(registry_.OpenKey(RegistryRoot::kCurrentUser, too_long), nullptr);
  Open();  // for TearDown
}

}  // namespace
}  // namespace velkor
