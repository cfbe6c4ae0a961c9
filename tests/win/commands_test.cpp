#include <gtest/gtest.h>

#include "builtin_texts.h"
#include "data/scrambled.h"
#include "platform/files.h"
#include "win/bar_fixture.h"

namespace velkor {
namespace {

TEST_F(BarTest, SearchHelpAndHomePageAreOneShellCallEach) {
  StartBar();
  files::WriteAll("search.htm", "changed by the user");
  bar->menus.popNew->Click();  // the open mode does not matter here
  bar->menus.popSearch->Click();
  EXPECT_EQ(files::ReadAll("search.htm"), TextList::FromText(builtin::kDataSearch).Text());
  bar->menus.popHelp->Click();  // no qxhelp.chm: nothing happens
  files::WriteAll("qxhelp.chm", "");
  bar->menus.popHelp->Click();
  bar->menus.popAbout->Click();
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"open search.htm", "open qxhelp.chm",
                                                   "open https://www.velkor.example/"}));
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_TRUE(messages.informed.empty());
}

}  // namespace
}  // namespace velkor

namespace velkor {
namespace {

TEST_F(BarTest, TheFirstStartOpensHelpAndTheSettingsSurviveARestart) {
  files::WriteAll("qxhelp.chm", "");
  StartBar();
  EXPECT_EQ(shell.calls, std::vector<std::string>{"open qxhelp.chm"});
  bar->menus.popNew->Click();
  bar->state.RandomCount = 7;
  bar->menus.popClose->Click();

  bar.reset();
  application.reset();
  shell.calls.clear();
  StartBar();
  EXPECT_TRUE(shell.calls.empty()) << "help opens on the first start only";
  EXPECT_TRUE(bar->menus.popNew->checked && bar->menus.popIconNew->checked);
  EXPECT_FALSE(bar->menus.popCurrent->checked);
  EXPECT_EQ(bar->state.RandomCount, 7);
  EXPECT_TRUE(messages.errors.empty());
}

}  // namespace
}  // namespace velkor

namespace velkor {
namespace {

TEST_F(BarTest, TheRandomButtonOpensTheRandomPageMaximised) {
  files::WriteAll("data2", Scramble("甲<AD>http://a.example/<KD>k<EX>\r\n"));
  StartBar();
  bar->state.RandomCount = 3;
  bar->sbRandom.on_click();
  EXPECT_EQ(shell.calls, std::vector<std::string>{"open random.htm maximised"});
  const std::string page = files::ReadAll("random.htm");
  std::size_t opens = 0;
  for (std::size_t at = page.find("window.open(\"http://a.example/\",\"\",\"\");");
       at != std::string::npos; at = page.find("window.open(", at + 1)) {
    ++opens;
  }
  EXPECT_EQ(opens, 3u);
  EXPECT_TRUE(bar->state.page.NextPageUsesData0) << "the random page leaves the alternation";
}

}  // namespace
}  // namespace velkor
