#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/bar_menus.h"

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

}  // namespace
}  // namespace velkor
