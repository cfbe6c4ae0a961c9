#include "app/bar_menus.h"

namespace velkor {
namespace {

// A click handler that runs one of the bar's commands.
template <class Command>
MenuItem::ClickHandler Run(BarCommands& commands, Command command) {
  return [&commands, command](MenuItem&) { (commands.*command)(); };
}

}  // namespace

BarMenus::BarMenus(BarCommands& c) {
  using B = BarCommands;
  const char* separator = MenuItem::kSeparator;

  KindBookMark = &popBookMark.Add("KindBookMark", "分类书签");
  KindBookMark->is_default = true;
  popListMyBook = &popBookMark.Add("popListMyBook", "自家书签", {}, kPictureOwnBookmarks);
  popListAll =
      &popListMyBook->Add("popListAll", "列出所有", Run(c, &B::popIconAllClick), kPictureListAll);
  popManager = &popBookMark.Add("popManager", "整理书签", Run(c, &B::popManagerClick));
  popSearch = &popBookMark.Add("popSearch", "常用搜索", Run(c, &B::popSearchClick));
  popSetting = &popBookMark.Add("popSetting", "功能设置", {}, kPictureSettings);
  popCurrent = &popSetting->Add("popCurrent", "在当前浏览器中打开", Run(c, &B::popCurrentClick));
  popNew = &popSetting->Add("popNew", "在新的浏览器中打开", Run(c, &B::popNewClick));
  popOnTop = &popSetting->Add("popOnTop", "停留在最前方", Run(c, &B::popOnTopClick));
  N4 = &popSetting->Add("N4", separator);
  popRandom = &popSetting->Add("popRandom", "设置随机打开网址数", Run(c, &B::popRandomClick));
  N1 = &popBookMark.Add("N1", "退出");
  popClose = &N1->Add("popClose", "立即退出", Run(c, &B::popIconCloseClick));
  popAbout = &N1->Add("popAbout", "关于我们", Run(c, &B::popAboutClick));
  popHelp = &popBookMark.Add("popHelp", "帮助", Run(c, &B::popHelpClick));

  N9 = &popIcon.Add("N9", separator);
  popIconMy = &popIcon.Add("popIconMy", "自家书签", {}, kPictureOwnBookmarks);
  popIconMy->is_default = true;
  popIconAll =
      &popIconMy->Add("popIconAll", "列出所有", Run(c, &B::popIconAllClick), kPictureListAll);
  popIconManager = &popIcon.Add("popIconManager", "整理书签", Run(c, &B::popManagerClick));
  N8 = &popIcon.Add("N8", separator);
  popIconSetting = &popIcon.Add("popIconSetting", "功能设置", {}, kPictureSettings);
  popIconCurr =
      &popIconSetting->Add("popIconCurr", "在当前浏览器中打开", Run(c, &B::popCurrentClick));
  popIconNew = &popIconSetting->Add("popIconNew", "在新的浏览器中打开", Run(c, &B::popNewClick));
  popIconOnTop = &popIconSetting->Add("popIconOnTop", "停留在最前方", Run(c, &B::popOnTopClick));
  N5 = &popIconSetting->Add("N5", separator);
  popIconRandom =
      &popIconSetting->Add("popIconRandom", "设置随机打开网址数", Run(c, &B::popRandomClick));
  popIconClose = &popIcon.Add("popIconClose", "退出", Run(c, &B::popIconCloseClick));
  popIconOpen = &popIcon.Add("popIconOpen", "打开", Run(c, &B::TBNArea1RightClick), kPictureOpen);

  TickOpenMode(false);
  TickOnTop(true);
}

void BarMenus::TickOpenMode(bool new_window) {
  popCurrent->checked = popIconCurr->checked = !new_window;
  popNew->checked = popIconNew->checked = new_window;
}

void BarMenus::TickOnTop(bool on_top) {
  popOnTop->checked = popIconOnTop->checked = on_top;
}

}  // namespace velkor
