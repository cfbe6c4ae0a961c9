#include "app/bar_menus.h"

#include "platform/files.h"

namespace velkor {
namespace {

// A click handler that runs one of the bar's commands.
template <class Command>
MenuItem::ClickHandler Run(BarCommands& commands, Command command) {
  return [&commands, command](MenuItem&) { (commands.*command)(); };
}

}  // namespace

BarMenus::BarMenus(BarCommands& c) : commands_(c) {
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

void BarMenus::BuildDirectoryMenus(const TextList& data1) {
  const MenuItem::ClickHandler open_category = [this](MenuItem& sender) {
    commands_.DirectoryItemClick(sender.caption);
  };
  static constexpr std::string_view kGroupMark = "--------------------";
  int group = -1;
  for (std::size_t i = 0; i < data1.size(); ++i) {
    const std::string& line = data1[i];
    const std::string number = std::to_string(i);
    if (line.find(kGroupMark) != std::string::npos) {
      // The first twenty bytes are the mark, whatever they hold.
      const std::string name =
          line.size() > kGroupMark.size() ? line.substr(kGroupMark.size()) : "";
      KindBookMark->Add("MN" + number, name);
      popIcon.Insert(0, "MM" + number, name);
      ++group;
    } else {
      const std::string name(LineName(line));
      KindBookMark->Item(static_cast<std::size_t>(group)).Add("MN" + number, name, open_category);
      popIcon.Item(0).Add("MM" + number, name, open_category);
    }
  }
}

void BarMenus::SetGroupImages() {
  const std::size_t groups = KindBookMark->Count();
  for (std::size_t v = 0; v < groups; ++v) {
    KindBookMark->Item(v).picture = static_cast<int>(v);
    popIcon.Item(groups - 1 - v).picture = static_cast<int>(v);
  }
}

void BarMenus::BuildKindMenus() {
  if (!files::Exists("kind.txt")) {
    return;
  }
  TextList kinds;
  kinds.LoadFromFile("kind.txt");
  const MenuItem::ClickHandler open_kind = [this](MenuItem& sender) {
    commands_.KindItemClick(sender.caption);
  };
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    const std::string name = "NN" + std::to_string(i);
    popListMyBook->Add(name, kinds[i], open_kind);
    popIconMy->Add(name, kinds[i], open_kind);
  }
}

void BarMenus::RemoveKindItems() {
  for (MenuItem* submenu : {popListMyBook, popIconMy}) {
    while (submenu->Count() > 1) {
      submenu->Delete(submenu->Count() - 1);
    }
  }
}

}  // namespace velkor
