// The bar's two popup menus: the bar menu popBookMark and the tray menu
// popIcon, with their fixed items, pictures, default items and ticks.
#pragma once

#include "app/bar_commands.h"
#include "platform/menu.h"

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
};

}  // namespace velkor
