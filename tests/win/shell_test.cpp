#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "fakes.h"
#include "pages/page_writer.h"
#include "platform/files.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/wide.h"

namespace velkor {
namespace {

// What the fake xdg-open recorded, read through Wine's drive for the Unix root.
class BrowserLog {
 public:
  BrowserLog() {
    const char* log = std::getenv("VELKOR_BROWSER_LOG");
    if (log != nullptr) {
      path_ = std::string("Z:") + log;
      for (char& c : path_) {
        c = c == '/' ? '\\' : c;
      }
      files::Remove(path_);
    }
  }
  bool available() const { return !path_.empty(); }
  // Waits for the browser launcher, which runs in a process of its own.
  std::string WaitForLine() const {
    for (int i = 0; i < 100; ++i) {
      if (files::Exists(path_)) {
        const std::string text = files::ReadAll(path_);
        if (!text.empty() && text.back() == '\n') {
          return text;
        }
      }
      Sleep(100);
    }
    return {};
  }

 private:
  std::string path_;
};

TEST(Win32Shell, ListPagesReachTheBrowserInBothOpenModes) {
  ASSERT_TRUE(BrowserLog().available()) << "VELKOR_BROWSER_LOG names the fake browser's log";
  // Pages are opened from the program's own folder, so the test works in its own.
  win32::Win32Shell shell;
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(win32::Wide(shell.ProgramFolder()).c_str());
  Templates templates{TextList({"<p>", "在此加入"}), TextList({"<p>", "在此加入"}), TextList()};
  PageFlags flags;
  FakeMessages messages;
  const TextList own{"a<AD>http://a.example/<KD><EX>"};
  for (bool new_window : {false, true}) {
    const BrowserLog log;
    WriteListPage({templates, flags, shell, messages, new_window}, own, TextList(), "", "0");
    EXPECT_TRUE(files::Exists("www.htm"));
    if (new_window) {
      EXPECT_NE(flags.BrowserPath.find("winebrowser"), std::string::npos) << flags.BrowserPath;
    }
    const std::string opened = log.WaitForLine();
    EXPECT_NE(opened.find("www.htm"), std::string::npos) << "new window: " << new_window;
    EXPECT_EQ(opened.rfind("file://", 0), 0u) << opened;
  }
  files::Remove("www.htm");
  SetCurrentDirectoryW(previous);
}

}  // namespace
}  // namespace velkor
