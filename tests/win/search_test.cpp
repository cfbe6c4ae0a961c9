#include <gtest/gtest.h>

#include <windows.h>

#include "data/scrambled.h"
#include "platform/files.h"
#include "platform/win32/wide.h"
#include "win/bar_fixture.h"

namespace velkor {
namespace {

using win32::Narrow;
using win32::Wide;

std::string ItemText(HWND combo, int index) {
  wchar_t text[128] = {};
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return Narrow(text);
}

class EntryTest : public BarTest {
 protected:
  void Type(const std::string& text) { SetWindowTextW(bar->EditEnter, Wide(text).c_str()); }
  void PressEnter() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(bar->EditEnter, &info);
    SendMessageW(info.hwndItem, WM_KEYDOWN, VK_RETURN, 0);
  }
  std::string Text() {
    wchar_t text[128] = {};
    GetWindowTextW(bar->EditEnter, text, 128);
    return Narrow(text);
  }
};

TEST_F(EntryTest, EnterSearchesWritesThePageAndKeepsTheHistory) {
  files::WriteAll("data2", Scramble("新闻在线<AD>http://news.example/<KD>新闻<EX>\r\n"));
  files::WriteAll("webpy.qx", "xinwenzaixian xwzx\r\n");
  StartBar();
  Type("新闻");
  PressEnter();
  ASSERT_EQ(shell.calls, std::vector<std::string>{"open C:\\velkor\\www.htm"});
  const std::string page = files::ReadAll("www.htm");
  EXPECT_NE(page.find("http://news.example/"), std::string::npos);
  for (const char* title : {"精华书签 千里挑一", "自家书签", "分类书签"}) {
    EXPECT_NE(page.find(title), std::string::npos) << title;
  }
  EXPECT_EQ(Text(), "新闻");
  const LRESULT selection = SendMessageW(bar->EditEnter, CB_GETEDITSEL, 0, 0);
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 2) << "the whole text is selected";
  EXPECT_EQ(ItemText(bar->EditEnter, 0), "新闻");
  EXPECT_EQ(files::ReadAll("list.ini"), "新闻\r\n");

  // A repeat of the top entry searches again but adds nothing.
  PressEnter();
  EXPECT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(SendMessageW(bar->EditEnter, CB_GETCOUNT, 0, 0), 1);
  // A pinyin keyword goes through the index.
  Type("xwzx");
  PressEnter();
  EXPECT_NE(files::ReadAll("www.htm").find("http://news.example/"), std::string::npos);
  EXPECT_EQ(files::ReadAll("list.ini"), "xwzx\r\n新闻\r\n");
}

TEST_F(EntryTest, EmptyTextDoesNothingAndTheHistoryLoadsAtStart) {
  files::WriteAll("list.ini", "旧词\r\nabc\r\n");
  StartBar();
  EXPECT_EQ(SendMessageW(bar->EditEnter, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(ItemText(bar->EditEnter, 1), "abc");
  EXPECT_EQ(Text(), "输入后回车");
  Type("");
  PressEnter();
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(EntryTest, AMissingIndexStopsTheSearchWithNoPageAndNoHistory) {
  files::Remove("jhpy.qx");
  StartBar();
  PressEnter();  // the untouched prompt is a keyword like any other
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_NE(messages.errors[0].find("jhpy.qx"), std::string::npos);
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_FALSE(files::Exists("list.ini"));
}

TEST_F(BarTest, MenuEntriesKindsAndListAllOpenTheirPages) {
  files::WriteAll("data2", Scramble("某下载站<AD>http://dl.example/<KD>下载软件<EX>\r\n"));
  files::WriteAll("self.txt", "我的<AD>http://mine.example/<KD>工作<EX>\r\n");
  files::WriteAll("kind.txt", "工作\r\n");
  StartBar();
  const auto page_has = [](const char* text) {
    return files::ReadAll("www.htm").find(text) != std::string::npos;
  };
  bar->menus.KindBookMark->Item(0).Item(0).Click();  // 下载软件, bar menu
  EXPECT_TRUE(page_has("http://dl.example/"));
  EXPECT_TRUE(page_has("分类书签"));
  bar->menus.popIcon.Item(13).Item(0).Click();  // 下载软件, tray menu
  EXPECT_TRUE(page_has("http://dl.example/"));
  bar->menus.popListMyBook->Item(1).Click();  // the kind 工作
  EXPECT_TRUE(page_has("http://mine.example/"));
  EXPECT_FALSE(page_has("分类书签"));
  bar->menus.popListAll->Click();
  EXPECT_TRUE(page_has("http://mine.example/"));
  bar->menus.popNew->Click();
  bar->menus.popIconAll->Click();
  EXPECT_EQ(shell.calls, (std::vector<std::string>{
                             "open C:\\velkor\\www.htm", "open C:\\velkor\\www.htm",
                             "open C:\\velkor\\www.htm", "open C:\\velkor\\www.htm", "find www.htm",
                             "start C:\\browser.exe C:\\velkor\\www.htm"}));
  EXPECT_TRUE(messages.errors.empty());
}

}  // namespace
}  // namespace velkor
