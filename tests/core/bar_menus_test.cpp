#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/bar_menus.h"
#include "builtin_texts.h"
#include "platform/files.h"
#include "test_folder.h"

namespace velkor {
namespace {

// Records the commands the menu items lead to.
class RecordingCommands : public BarCommands {
 public:
  std::vector<std::string> calls;
  void popIconAllClick() override { calls.push_back("popIconAllClick"); }
  void popManagerClick() override { calls.push_back("popManagerClick"); }
  void popSearchClick() override { calls.push_back("popSearchClick"); }
  void popCurrentClick() override { calls.push_back("popCurrentClick"); }
  void popNewClick() override { calls.push_back("popNewClick"); }
  void popOnTopClick() override { calls.push_back("popOnTopClick"); }
  void popRandomClick() override { calls.push_back("popRandomClick"); }
  void popIconCloseClick() override { calls.push_back("popIconCloseClick"); }
  void popAboutClick() override { calls.push_back("popAboutClick"); }
  void popHelpClick() override { calls.push_back("popHelpClick"); }
  void TBNArea1RightClick() override { calls.push_back("TBNArea1RightClick"); }
  void DirectoryItemClick(const std::string& c) override { calls.push_back("Directory " + c); }
  void KindItemClick(const std::string& k) override { calls.push_back("Kind " + k); }
};

// "caption[picture]*" per item, "*" for the default item, "+" for a tick,
// children in braces.
std::string Shape(const MenuItem& menu) {
  std::string out;
  for (std::size_t i = 0; i < menu.Count(); ++i) {
    const MenuItem& item = menu.Item(i);
    out += out.empty() ? "" : " ";
    out += item.caption;
    if (item.picture >= 0) {
      out.append("[").append(std::to_string(item.picture)).append("]");
    }
    out += item.is_default ? "*" : "";
    out += item.checked ? "+" : "";
    if (item.Count() > 0) {
      out.append("{").append(Shape(item)).append("}");
    }
  }
  return out;
}

TEST(BarMenus, HoldTheFixedItemsWithPicturesDefaultsAndTicks) {
  RecordingCommands commands;
  BarMenus menus(commands);
  EXPECT_EQ(
      Shape(menus.popBookMark),
      "分类书签* 自家书签[14]{列出所有[15]} 整理书签 常用搜索 "
      "功能设置[13]{在当前浏览器中打开+ 在新的浏览器中打开 停留在最前方+ - 设置随机打开网址数} "
      "退出{立即退出 关于我们} 帮助");
  EXPECT_EQ(
      Shape(menus.popIcon),
      "- 自家书签[14]*{列出所有[15]} 整理书签 - "
      "功能设置[13]{在当前浏览器中打开+ 在新的浏览器中打开 停留在最前方+ - 设置随机打开网址数} "
      "退出 打开[12]");
}

TEST(BarMenus, PairedItemsShareOneCommand) {
  RecordingCommands commands;
  BarMenus menus(commands);
  for (MenuItem* item :
       {menus.popListAll, menus.popIconAll, menus.popManager, menus.popIconManager, menus.popSearch,
        menus.popCurrent, menus.popIconCurr, menus.popNew, menus.popIconNew, menus.popOnTop,
        menus.popIconOnTop, menus.popRandom, menus.popIconRandom, menus.popClose,
        menus.popIconClose, menus.popAbout, menus.popHelp, menus.popIconOpen}) {
    item->Click();
  }
  EXPECT_EQ(
      commands.calls,
      (std::vector<std::string>{
          "popIconAllClick", "popIconAllClick", "popManagerClick", "popManagerClick",
          "popSearchClick", "popCurrentClick", "popCurrentClick", "popNewClick", "popNewClick",
          "popOnTopClick", "popOnTopClick", "popRandomClick", "popRandomClick", "popIconCloseClick",
          "popIconCloseClick", "popAboutClick", "popHelpClick", "TBNArea1RightClick"}));
}

TEST(BarMenus, SettingTicksAreMirroredInBothMenus) {
  RecordingCommands commands;
  BarMenus menus(commands);
  menus.TickOpenMode(true);
  EXPECT_TRUE(menus.popNew->checked && menus.popIconNew->checked);
  EXPECT_FALSE(menus.popCurrent->checked || menus.popIconCurr->checked);
  EXPECT_TRUE(menus.NewWindowTicked());
  menus.TickOpenMode(false);
  EXPECT_TRUE(menus.popCurrent->checked && menus.popIconCurr->checked);
  EXPECT_FALSE(menus.popNew->checked || menus.popIconNew->checked);
  menus.TickOnTop(false);
  EXPECT_FALSE(menus.popOnTop->checked || menus.popIconOnTop->checked);
}

class DirectoryMenusTest : public testing::Test {
 protected:
  DirectoryMenusTest() {
    menus.BuildDirectoryMenus(TextList::FromText(builtin::kData1));
    menus.SetGroupImages();
  }
  RecordingCommands commands;
  BarMenus menus{commands};
};

TEST_F(DirectoryMenusTest, BarMenuHoldsTheGroupsInOrderAndTheTrayInReverse) {
  MenuItem& bar = *menus.KindBookMark;
  ASSERT_EQ(bar.Count(), 14u);
  ASSERT_EQ(menus.popIcon.Count(), 14u + 7u);
  EXPECT_TRUE(menus.popIcon.Item(14).IsSeparator()) << "the groups stand right above N9";
  std::size_t bar_entries = 0, tray_entries = 0;
  for (std::size_t k = 0; k < 14; ++k) {
    const MenuItem& tray = menus.popIcon.Item(13 - k);
    EXPECT_EQ(bar.Item(k).caption, tray.caption);
    EXPECT_EQ(bar.Item(k).picture, static_cast<int>(k));
    EXPECT_EQ(tray.picture, static_cast<int>(k));
    EXPECT_EQ(bar.Item(k).Count(), tray.Count());
    bar_entries += bar.Item(k).Count();
    tray_entries += tray.Count();
  }
  EXPECT_EQ(bar_entries, 202u);
  EXPECT_EQ(tray_entries, 202u);
  EXPECT_EQ(bar.Item(0).caption, "电脑与互联网");
  EXPECT_EQ(bar.Item(13).caption, "其他");
  EXPECT_EQ(menus.popIcon.Item(0).caption, "其他");
  // Names carry the line number in the Data1 list.
  EXPECT_EQ(bar.Item(0).Item(0).name, "MN1");
  EXPECT_EQ(menus.popIcon.Item(13).Item(0).name, "MM1");
  EXPECT_EQ(bar.Item(1).name, "MN20");
  EXPECT_EQ(menus.popIcon.Item(12).name, "MM20");
  EXPECT_EQ(bar.Item(0).Item(0).caption, "下载软件");
}

TEST_F(DirectoryMenusTest, EntriesOpenTheirCategoryColonsIncluded) {
  MenuItem& computers = menus.KindBookMark->Item(0);
  computers.Item(16).Click();                    // 网站排行:评选
  menus.popIcon.Item(13).Item(0).Click();        // 下载软件 in the tray
  menus.KindBookMark->Item(2).Item(4).Click();   // 购物 under 休闲娱乐运动
  menus.KindBookMark->Item(9).Item(16).Click();  // 购物 under 社会与文化
  EXPECT_EQ(commands.calls,
            (std::vector<std::string>{"Directory 网站排行:评选", "Directory 下载软件",
                                      "Directory 购物", "Directory 购物"}));
}

TEST(KindMenus, EveryLineOfKindTxtIsAnItemAndListAllStaysFirst) {
  TestFolder folder;
  RecordingCommands commands;
  BarMenus menus(commands);
  menus.BuildKindMenus();
  EXPECT_EQ(menus.popListMyBook->Count(), 1u) << "no kind.txt, no kinds";
  files::WriteAll("kind.txt", "A\r\n\r\nB\r\n");
  menus.BuildKindMenus();
  for (MenuItem* submenu : {menus.popListMyBook, menus.popIconMy}) {
    EXPECT_EQ(Shape(*submenu), "列出所有[15] A  B");
    EXPECT_EQ(submenu->Item(3).name, "NN2");
  }
  menus.popIconMy->Item(3).Click();
  EXPECT_EQ(commands.calls, std::vector<std::string>{"Kind B"});
  menus.RemoveKindItems();
  EXPECT_EQ(Shape(*menus.popListMyBook), "列出所有[15]");
  EXPECT_EQ(Shape(*menus.popIconMy), "列出所有[15]");
}

}  // namespace
}  // namespace velkor
