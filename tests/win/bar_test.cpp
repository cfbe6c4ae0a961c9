#include <gtest/gtest.h>

#include <windows.h>

#include "platform/files.h"
#include "platform/win32/menu_pictures.h"
#include "platform/win32/menu_presenter_win32.h"
#include "platform/win32/wide.h"
#include "resource_ids.h"
#include "win/bar_fixture.h"

namespace velkor {
namespace {

using win32::Narrow;
using win32::Wide;

std::string WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return Narrow(text);
}

LPARAM ScreenPoint(int x, int y) {
  return MAKELPARAM(x, y);
}

TEST_F(BarTest, IsABorderlessTopmostStripAtItsDesignedPlace) {
  StartBar();
  HWND window = bar->hwnd();
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 216);
  EXPECT_EQ(client.bottom, 17);
  RECT outer{};
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 450);
  EXPECT_EQ(outer.top, 0);
  EXPECT_EQ(outer.right - outer.left, 216);  // no border
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(WindowText(window), "Velkor书签");
  // The application window carries the title and owns the bar.
  EXPECT_EQ(GetWindow(window, GW_OWNER), application->hwnd());
  EXPECT_EQ(WindowText(application->hwnd()), "Velkor书签6.0");
}

TEST_F(BarTest, EditEnterHasItsPlaceTextFontAndLimit) {
  StartBar();
  RECT box{};
  GetWindowRect(bar->EditEnter, &box);
  EXPECT_EQ(box.left, 450 + 99);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right - box.left, 100);
  EXPECT_EQ(box.bottom - box.top, 20);
  EXPECT_EQ(WindowText(bar->EditEnter), "输入后回车");
  HWND edit = GetWindow(bar->EditEnter, GW_CHILD);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 45);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(bar->EditEnter, WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfHeight, -12);
  EXPECT_EQ(Narrow(font.lfFaceName), "宋体");
}

TEST_F(BarTest, OnlyTheGripInteriorDragsTheBar) {
  StartBar();
  const struct {
    int x;
    bool drags;
  } cases[] = {{48, false}, {49, true}, {73, true}, {97, true}, {98, false}, {10, false}};
  for (const auto& c : cases) {
    const LRESULT hit = SendMessageW(bar->hwnd(), WM_NCHITTEST, 0, ScreenPoint(450 + c.x, 5));
    EXPECT_EQ(hit == HTCAPTION, c.drags) << "x = " << c.x;
  }
}

TEST_F(BarTest, ReleasingAnyButtonOnStartOpensTheBarMenuThere) {
  StartBar();
  for (UINT down : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
    SendMessageW(bar->hwnd(), down, 0, MAKELPARAM(31, 6));
    EXPECT_TRUE(presenter.shown.empty()) << "the press alone does nothing";
    SendMessageW(bar->hwnd(), down + 1, 0, MAKELPARAM(33, 7));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].menu, &bar->menus.popBookMark);
    EXPECT_EQ(presenter.shown[0].x, 450 + 33);
    EXPECT_EQ(presenter.shown[0].y, 7);
    presenter.shown.clear();
  }
}

// "caption[picture]*+" per item of a realised system menu, as Shape does for the model.
std::string SystemMenuShape(HMENU menu, int first = 0) {
  std::string out;
  for (int i = first; i < GetMenuItemCount(menu); ++i) {
    wchar_t caption[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_STATE | MIIM_BITMAP | MIIM_SUBMENU | MIIM_FTYPE;
    info.dwTypeData = caption;
    info.cch = 128;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    out += out.empty() ? "" : " ";
    out += info.fType & MFT_SEPARATOR ? "-" : Narrow(caption);
    out += info.hbmpItem != nullptr ? "[p]" : "";
    out += info.fState & MFS_DEFAULT ? "*" : "";
    out += info.fState & MFS_CHECKED ? "+" : "";
    if (info.hSubMenu != nullptr) {
      out.append("{").append(SystemMenuShape(info.hSubMenu)).append("}");
    }
  }
  return out;
}

TEST_F(BarTest, MenusShowPicturesDefaultsAndMirroredTicks) {
  StartBar();
  win32::MenuPictures pictures(IDB_MENU, 16);
  EXPECT_EQ(pictures.count(), 17);
  // The fixed items: the bar menu after its directory submenu, the tray menu
  // after its 14 directory groups.
  const auto shape = [&](const MenuItem& menu, int first) {
    win32::RealisedMenu shown;
    win32::Realise(menu, pictures, shown);
    return SystemMenuShape(shown.menu, first);
  };
  EXPECT_EQ(
      shape(bar->menus.popBookMark, 1),
      "自家书签[p]{列出所有[p]} 整理书签 常用搜索 "
      "功能设置[p]{在当前浏览器中打开+ 在新的浏览器中打开 停留在最前方+ - 设置随机打开网址数} "
      "退出{立即退出 关于我们} 帮助");
  EXPECT_EQ(
      shape(bar->menus.popIcon, 14),
      "- 自家书签[p]*{列出所有[p]} 整理书签 - "
      "功能设置[p]{在当前浏览器中打开+ 在新的浏览器中打开 停留在最前方+ - 设置随机打开网址数} "
      "退出 打开[p]");

  win32::RealisedMenu bar_menu;
  win32::Realise(bar->menus.popBookMark, pictures, bar_menu);
  const std::string directory = SystemMenuShape(bar_menu.menu);
  EXPECT_EQ(directory.rfind("分类书签*{电脑与互联网[p]{下载软件 游戏网站 ", 0), 0u) << directory;
  win32::RealisedMenu tray_menu;
  win32::Realise(bar->menus.popIcon, pictures, tray_menu);
  EXPECT_EQ(SystemMenuShape(tray_menu.menu).rfind("其他[p]{其他分类} 政府[p]{政府 法律 ", 0), 0u);

  bar->menus.popNew->Click();
  const std::string new_ticked = "{在当前浏览器中打开 在新的浏览器中打开+ 停留在最前方+";
  EXPECT_NE(shape(bar->menus.popBookMark, 1).find(new_ticked), std::string::npos);
  EXPECT_NE(shape(bar->menus.popIcon, 14).find(new_ticked), std::string::npos);
  bar->menus.popIconCurr->Click();
  const std::string current_ticked = "{在当前浏览器中打开+ 在新的浏览器中打开 停留在最前方+";
  EXPECT_NE(shape(bar->menus.popBookMark, 1).find(current_ticked), std::string::npos);
  EXPECT_NE(shape(bar->menus.popIcon, 14).find(current_ticked), std::string::npos);
}

TEST_F(BarTest, OnTopIsSwitchedForThisRunInBothMenus) {
  StartBar();
  bar->menus.popOnTop->Click();
  EXPECT_FALSE(GetWindowLongW(bar->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(bar->menus.popOnTop->checked || bar->menus.popIconOnTop->checked);
  bar->menus.popIconOnTop->Click();
  EXPECT_TRUE(GetWindowLongW(bar->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(bar->menus.popOnTop->checked && bar->menus.popIconOnTop->checked);
}

TEST_F(BarTest, MinimisingLeavesOnlyTheTrayIconAndRestoringBringsBothBack) {
  StartBar();
  bar->sbMiniClick();
  EXPECT_FALSE(IsWindowVisible(bar->hwnd()));
  EXPECT_FALSE(IsWindowVisible(application->hwnd())) << "the taskbar entry is gone";
  EXPECT_TRUE(bar->TBNArea1.shown());

  // A right click on the tray icon restores.
  SendMessageW(bar->TBNArea1.hwnd(), win32::TrayIcon::kCallbackMessage, 1, WM_RBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(bar->hwnd()));
  EXPECT_TRUE(IsWindowVisible(application->hwnd()));
  EXPECT_EQ(GetForegroundWindow(), bar->hwnd());

  // So does the tray menu's "打开".
  bar->sbMiniClick();
  bar->menus.popIconOpen->Click();
  EXPECT_TRUE(IsWindowVisible(bar->hwnd()));
  EXPECT_TRUE(IsWindowVisible(application->hwnd()));
}

TEST_F(BarTest, TrayLeftClickOpensTheTrayMenuUnlessItWasRemoved) {
  StartBar();
  SendMessageW(bar->TBNArea1.hwnd(), win32::TrayIcon::kCallbackMessage, 1, WM_LBUTTONUP);
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].menu, &bar->menus.popIcon);
  EXPECT_EQ(presenter.shown[0].align, MenuPresenter::Align::kRight);

  // Without its left-button menu the icon brings the application to the front.
  bar->TBNArea1.left_menu = nullptr;
  SetForegroundWindow(application->hwnd());
  SendMessageW(bar->TBNArea1.hwnd(), win32::TrayIcon::kCallbackMessage, 1, WM_LBUTTONUP);
  EXPECT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(GetForegroundWindow(), bar->hwnd());

  // The manager gives the menu back when it closes.
  bar->popManagerClick();
  EXPECT_EQ(bar->TBNArea1.left_menu, &bar->menus.popIcon);
}

TEST_F(BarTest, StartUpLoadsOwnBookmarksAndCloseRunsTheCloseSequence) {
  files::WriteAll("self.txt", "a<AD>http://a/<KD><EX>\nb<AD>http://b/<KD>k<EX>x");
  StartBar();
  EXPECT_EQ(bar->state.own_bookmarks.size(), 2u);
  EXPECT_EQ(bar->state.RandomCount, 2);
  EXPECT_TRUE(bar->state.page.NextPageUsesData0);
  EXPECT_FALSE(application->terminated());

  bar->menus.popClose->Click();
  EXPECT_TRUE(bar->state.own_bookmarks.empty()) << "FormClose released the lists";
  EXPECT_TRUE(application->terminated());
  EXPECT_TRUE(messages.errors.empty());
}

TEST_F(BarTest, AnErrorInStartUpIsShownAndSkipsTheRemainingSteps) {
  files::WriteAll("self.txt", "x");
  // Held open without sharing, self.txt exists but cannot be read.
  HANDLE lock = CreateFileW(L"self.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  StartBar();
  CloseHandle(lock);
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].rfind("Cannot open file \"self.txt\". ", 0), 0u);
  // The minimise event is set by a later step, so minimising leaves the taskbar entry.
  bar->sbMiniClick();
  EXPECT_FALSE(IsWindowVisible(bar->hwnd()));
  EXPECT_TRUE(IsWindowVisible(application->hwnd()) || IsIconic(application->hwnd()));
}

TEST(SingleInstance, ASecondCopyEndsAtOnceWithZero) {
  const char* exe = std::getenv("VELKOR_EXE");
  ASSERT_NE(exe, nullptr) << "VELKOR_EXE names the program to start";
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"RunOnlyOneInstance");
  ASSERT_NE(mutex, nullptr);
  std::wstring command = L"\"" + Wide(exe) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  const DWORD waited = WaitForSingleObject(process.hProcess, 10000);
  DWORD code = 1234;
  GetExitCodeProcess(process.hProcess, &code);
  if (waited != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(mutex);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace velkor
