// The bar's two popup menus: the bar menu popBookMark and the tray menu
// popIcon, with their fixed items, pictures, default items and ticks.
#pragma once

#include "app/bar_commands.h"
#include "platform/menu.h"
#include "text/text_list.h"

namespace velkor {

// Numbers of the shared menu pictures used by the fixed items.
inline constexpr int kPictureOpen = 12;
inline constexpr int kPictureSettings = 13;
inline constexpr int kPictureOwnBookmarks = 14;
inline constexpr int kPictureListAll = 15;

class BarMenus {
 public:
  explicit BarMenus(BarCommands& commands);

  // The open mode: exactly one pair of "current" / "new" items is ticked.
  void TickOpenMode(bool new_window);
  bool NewWindowTicked() const { return popNew->checked; }
  void TickOnTop(bool on_top);

  // The directory groups and entries of the Data1 list, in both menus: the
  // bar menu in list order, the tray menu with each group on top ("MN" and
  // "MM" + line number).
  void BuildDirectoryMenus(const TextList& data1);
  // Group k shows picture k in both menus.
  void SetGroupImages();
  // One item per line of kind.txt (when it exists) below "列出所有" in both
  // "自家书签" submenus, named "NN" + line number.
  void BuildKindMenus();
  // Removes the kind items; "列出所有" stays.
  void RemoveKindItems();

  MenuItem popBookMark;
  MenuItem* KindBookMark;
  MenuItem* popListMyBook;
  MenuItem* popListAll;
  MenuItem* popManager;
  MenuItem* popSearch;
  MenuItem* popSetting;
  MenuItem* popCurrent;
  MenuItem* popNew;
  MenuItem* popOnTop;
  MenuItem* N4;
  MenuItem* popRandom;
  MenuItem* N1;
  MenuItem* popClose;
  MenuItem* popAbout;
  MenuItem* popHelp;

  MenuItem popIcon;
  MenuItem* N9;
  MenuItem* popIconMy;
  MenuItem* popIconAll;
  MenuItem* popIconManager;
  MenuItem* N8;
  MenuItem* popIconSetting;
  MenuItem* popIconCurr;
  MenuItem* popIconNew;
  MenuItem* popIconOnTop;
  MenuItem* N5;
  MenuItem* popIconRandom;
  MenuItem* popIconClose;
  MenuItem* popIconOpen;

 private:
  BarCommands& commands_;
};

}  // namespace velkor
