#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/settings.h"
#include "fakes.h"

namespace velkor {
namespace {

using Values = FakeRegistry::Values;

const std::string kKey = FakeRegistry::KeyName(Settings::kRoot, Settings::kPath);
const std::string kFallbackKey =
    FakeRegistry::KeyName(Settings::kFallbackRoot, Settings::kFallbackPath);

// The bar as the settings see it; the "current" pair is ticked until switched.
class FakeBar : public SettingsTarget {
 public:
  std::int32_t& RandomCount() override { return random_count; }
  void OpenHelp() override { ++help_opened; }
  void SwitchToNewWindow() override { new_window = true; }
  bool CurrentWindowTicked() override { return !new_window; }

  std::int32_t random_count = 2;  // as FormCreate leaves it
  int help_opened = 0;
  bool new_window = false;
};

// Loads as the bar's guard runs it: the text of an escaping error, or empty.
std::string Load(Settings& settings, FakeRegistry& registry, FakeBar& bar) {
  try {
    settings.Load(registry, bar);
  } catch (const Error& error) {
    return error.what();
  }
  return {};
}

const Values kFirstStart{{"", "Velkor书签"}, {"RandomCount", 2}, {"NewWindow", 0}, {"Ver", "6.0"}};

struct StartCase {
  const char* name;
  std::optional<Values> stored;  // none: no key at all
  std::string error;
  std::int32_t random_count;
  bool new_window;
  bool help;
  Values after_load;
};

TEST(Settings, StartAppliesOrCreatesTheStoredValuesAndCloseWritesThemBack) {
  const StartCase cases[] = {
      {"no key", std::nullopt, "", 2, false, true, kFirstStart},
      {"ordinary",
       Values{{"Ver", "6.0"}, {"RandomCount", 5}, {"NewWindow", 0}},
       "",
       5,
       false,
       false,
       {{"Ver", "6.0"}, {"RandomCount", 5}, {"NewWindow", 0}}},
      {"version 5.0",
       Values{{"Ver", "5.0"}, {"RandomCount", 7}, {"NewWindow", 1}},
       "",
       7,
       true,
       true,
       {{"Ver", "6.0"}, {"RandomCount", 7}, {"NewWindow", 1}}},
      {"version compared whole",
       Values{{"Ver", "6.00"}, {"RandomCount", 3}, {"NewWindow", 0}},
       "",
       3,
       false,
       true,
       {{"Ver", "6.0"}, {"RandomCount", 3}, {"NewWindow", 0}}},
      {"NewWindow 7",
       Values{{"Ver", "6.0"}, {"RandomCount", 3}, {"NewWindow", 7}},
       "",
       3,
       true,
       false,
       {{"Ver", "6.0"}, {"RandomCount", 3}, {"NewWindow", 7}}},
      {"RandomCount 0",
       Values{{"Ver", "6.0"}, {"RandomCount", 0}, {"NewWindow", 0}},
       "",
       0,
       false,
       false,
       {{"Ver", "6.0"}, {"RandomCount", 0}, {"NewWindow", 0}}},
      {"RandomCount 25",
       Values{{"Ver", "6.0"}, {"RandomCount", 25}, {"NewWindow", 0}},
       "",
       25,
       false,
       false,
       {{"Ver", "6.0"}, {"RandomCount", 25}, {"NewWindow", 0}}},
      // Read errors stop the start: the switch to a new window and the
      // version check do not run; the close rewrites both numbers.
      {"missing RandomCount",
       Values{{"Ver", "6.0"}, {"NewWindow", 1}},
       "Failed to get data for 'RandomCount'",
       2,
       false,
       false,
       {{"Ver", "6.0"}, {"NewWindow", 1}}},
      {"RandomCount not a number",
       Values{{"Ver", "6.0"}, {"RandomCount", "5"}, {"NewWindow", 0}},
       "Invalid data type for 'RandomCount'",
       2,
       false,
       false,
       {{"Ver", "6.0"}, {"RandomCount", "5"}, {"NewWindow", 0}}},
      {"missing NewWindow",
       Values{{"Ver", "5.0"}, {"RandomCount", 9}},
       "Failed to get data for 'NewWindow'",
       9,
       false,
       false,
       {{"Ver", "5.0"}, {"RandomCount", 9}}},
      {"Ver not a string",
       Values{{"Ver", 6}, {"RandomCount", 4}, {"NewWindow", 1}},
       "Invalid data type for 'Ver'",
       4,
       false,
       false,
       {{"Ver", 6}, {"RandomCount", 4}, {"NewWindow", 1}}},
      // Only Ver marks a later start.
      {"RandomCount without Ver", Values{{"RandomCount", 9}, {"NewWindow", 1}}, "", 2, false, true,
       kFirstStart},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeRegistry registry;
    if (c.stored) {
      registry.keys[kKey] = *c.stored;
    }
    FakeBar bar;
    Settings settings;

    EXPECT_EQ(Load(settings, registry, bar), c.error);
    EXPECT_EQ(bar.random_count, c.random_count);
    EXPECT_EQ(bar.new_window, c.new_window);
    EXPECT_EQ(bar.help_opened, c.help ? 1 : 0);
    EXPECT_EQ(registry.keys[kKey], c.after_load);
    EXPECT_EQ(registry.open_keys, 1) << "the key stays open while the bar runs";

    settings.Save(bar);
    Values after_close = c.after_load;
    after_close["RandomCount"] = c.random_count;
    after_close["NewWindow"] = c.new_window ? 1 : 0;
    EXPECT_EQ(registry.keys[kKey], after_close);
    EXPECT_EQ(registry.open_keys, 0);
    EXPECT_EQ(registry.keys.size(), 1u) << "only the default profile's key is used";
  }
}

TEST(Settings, RandomCountIsWrittenAtOnceWhileTheKeyIsOpen) {
  FakeRegistry registry;
  registry.keys[kKey] = {{"Ver", "6.0"}, {"RandomCount", 5}, {"NewWindow", 0}};
  FakeBar bar;
  Settings settings;
  settings.Load(registry, bar);

  settings.WriteRandomCount(12);
  EXPECT_EQ(registry.keys[kKey]["RandomCount"], FakeRegistry::Value(12));

  bar.random_count = 12;
  settings.Save(bar);
  settings.WriteRandomCount(3);  // after the close: the key is gone
  EXPECT_EQ(registry.keys[kKey]["RandomCount"], FakeRegistry::Value(12));
}

TEST(Settings, AFailedWriteAtCloseIsReportedAndTheKeyStillReleased) {
  FakeRegistry registry;
  registry.keys[kKey] = {{"Ver", "6.0"}, {"RandomCount", 5}, {"NewWindow", 0}};
  FakeBar bar;
  Settings settings;
  settings.Load(registry, bar);

  registry.refuse_writes = true;
  try {
    settings.Save(bar);
    ADD_FAILURE() << "no error";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'RandomCount'");
  }
  EXPECT_EQ(registry.open_keys, 0);
  EXPECT_FALSE(settings.kept());
}

// A standard user may only read the default profile: the current user's own
// key then keeps the settings from one run to the next.
TEST(Settings, FallBackToTheCurrentUserWhenTheDefaultProfileIsRefused) {
  FakeRegistry registry;
  registry.refused = {RegistryRoot::kUsers};
  {
    FakeBar bar;
    Settings settings;
    settings.Load(registry, bar);
    EXPECT_EQ(bar.help_opened, 1);
    EXPECT_EQ(registry.keys[kFallbackKey], kFirstStart);
    bar.random_count = 6;
    bar.new_window = true;
    settings.Save(bar);
  }
  FakeBar bar;
  Settings settings;
  settings.Load(registry, bar);
  EXPECT_EQ(bar.help_opened, 0);
  EXPECT_EQ(bar.random_count, 6);
  EXPECT_TRUE(bar.new_window);
  EXPECT_EQ(registry.keys.count(kKey), 0u);
  settings.Save(bar);
  EXPECT_EQ(registry.open_keys, 0);
}

// Nothing can be kept: first-start settings, no help (it would open on every
// start), and no error at start, while running or at close.
TEST(Settings, WithoutAnyKeyTheBarRunsOnAndNothingIsKept) {
  FakeRegistry registry;
  registry.refused = {RegistryRoot::kUsers, RegistryRoot::kCurrentUser};
  FakeBar bar;
  bar.random_count = 9;
  Settings settings;

  EXPECT_EQ(Load(settings, registry, bar), "");
  EXPECT_EQ(bar.random_count, 2);
  EXPECT_FALSE(bar.new_window);
  EXPECT_EQ(bar.help_opened, 0);
  EXPECT_FALSE(settings.kept());

  EXPECT_NO_THROW(settings.WriteRandomCount(5));
  bar.new_window = true;
  EXPECT_NO_THROW(settings.Save(bar));
  EXPECT_TRUE(registry.keys.empty());
}

}  // namespace
}  // namespace velkor
