// The bar's start-up and close sequences and the commands of its menus.
#include "app/win32/tqxb.h"

#include "builtin_texts.h"
#include "data/scrambled.h"
#include "pages/home_page.h"
#include "pages/partner_fragments.h"
#include "pages/random_page.h"
#include "pages/win32/form_random.h"
#include "platform/files.h"
#include "text/errors.h"

namespace velkor {

void TQXB::FormCreate() {
  state.RandomCount = 2;
  state.page = PageFlags{};

  state.directory.Clear();
  state.curated.Clear();

  LoadOwnBookmarks();
  if (!InsertPartnerFragments()) {
    application_.Terminate();
  }
  LoadScrambledFile(state.directory, "data2");
  LoadScrambledFile(state.curated, "data0");
  BuildDirectoryMenus();
  BuildKindMenus();
  SetGroupImages();
  // The link drop target on EditEnter joins here.
  application_.SetOnMinimize([this] { ApplicationMinimize(); });
  LoadKeywordHistory();
  LoadSettings();
}

// Decoded in memory: nothing is written beside the data files.
void TQXB::LoadScrambledFile(TextList& list, const std::string& file_name) {
  try {
    list = ReadScrambledFile(file_name);
  } catch (const FileOpenError&) {
    messages_.Inform("文件打开出错，可能已经删除了网址数据文件");
    application_.Terminate();
  }
}

void TQXB::FormClose() {
  state.page.BrowserPath.clear();
  state.directory.Clear();
  state.curated.Clear();
  state.own_bookmarks.Clear();
  SaveSettings();
}

void TQXB::sbStartMouseUp(int /*button*/, int x, int y) {
  RECT bar{};
  GetWindowRect(hwnd(), &bar);
  menu_presenter_.Popup(menus.popBookMark, bar.left + sbStart.bounds().left + x,
                        bar.top + sbStart.bounds().top + y, MenuPresenter::Align::kLeft);
}

void TQXB::sbMiniClick() {
  SendMessageW(application_.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TQXB::ApplicationMinimize() {
  ShowWindow(application_.hwnd(), SW_HIDE);
}

void TQXB::TBNArea1RightClick() {
  SendMessageW(application_.hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  application_.BringToFront();
}

void TQXB::TBNArea1LeftClick() {
  application_.BringToFront();
}

void TQXB::popCurrentClick() {
  menus.TickOpenMode(false);
}

void TQXB::popNewClick() {
  menus.TickOpenMode(true);
}

void TQXB::popOnTopClick() {
  const bool on_top = !menus.popOnTop->checked;
  SetWindowPos(hwnd(), on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  menus.TickOnTop(on_top);
}

void TQXB::popManagerClick() {
  TBNArea1RightClick();
  // While the manager is open a left click on the tray icon only brings it to the front.
  TBNArea1.left_menu = nullptr;
  // The bookmark manager runs here, modal.
  TBNArea1.left_menu = &menus.popIcon;
  RefreshKindMenus();
}

void TQXB::popIconCloseClick() {
  SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

PageContext TQXB::Pages() {
  return {state.templates, state.page, shell_, messages_, menus.NewWindowTicked()};
}

void TQXB::DirectoryItemClick(const std::string& category) {
  WriteListPage(Pages(), state.directory, state.curated, category, CuratedSectionHeader());
}

void TQXB::KindItemClick(const std::string& kind) {
  WriteListPage(Pages(), state.own_bookmarks, state.curated, kind, "0");
}

void TQXB::popIconAllClick() {
  WriteListPage(Pages(), state.own_bookmarks, state.curated, "", "0");
}

void TQXB::sbRandomClick() {
  OpenRandomPage(state.templates.Data0, {state.directory, state.own_bookmarks, state.curated},
                 state.RandomCount, CalendarSeconds(), shell_, messages_);
}

void TQXB::popRandomClick() {
  TFormRandom::Run(hwnd(), messages_, state.RandomCount,
                   [this](std::int32_t count) { settings.WriteRandomCount(count); });
}

void TQXB::popSearchClick() {
  state.templates.DataSearch.SaveToFile("search.htm");
  shell_.Open("search.htm", Shell::Show::kNormal);
}

void TQXB::popHelpClick() {
  if (files::Exists("qxhelp.chm")) {
    shell_.Open("qxhelp.chm", Shell::Show::kNormal);
  }
}

void TQXB::popAboutClick() {
  shell_.Open(std::string(kHomePage), Shell::Show::kNormal);
}

bool TQXB::InsertPartnerFragments() {
  return velkor::InsertPartnerFragments(
      state.templates.Data2, messages_,
      [this](TextList& list, const std::string& file_name) { LoadScrambledFile(list, file_name); });
}

void TQXB::BuildDirectoryMenus() {
  menus.BuildDirectoryMenus(TextList::FromText(builtin::kData1));
}

void TQXB::BuildKindMenus() {
  menus.BuildKindMenus();
}

void TQXB::SetGroupImages() {
  menus.SetGroupImages();
}

// The lines of self.txt; no file means no own bookmarks.
void TQXB::LoadOwnBookmarks() {
  state.own_bookmarks.Clear();
  if (files::Exists("self.txt")) {
    state.own_bookmarks.LoadFromFile("self.txt");
  }
}

void TQXB::RefreshKindMenus() {
  menus.RemoveKindItems();
  LoadOwnBookmarks();
  menus.BuildKindMenus();
}
namespace {

// What the settings store reads and sets on the bar.
class BarSettingsTarget : public SettingsTarget {
 public:
  explicit BarSettingsTarget(TQXB& bar) : bar_(bar) {}
  std::int32_t& RandomCount() override { return bar_.state.RandomCount; }
  void OpenHelp() override { bar_.popHelpClick(); }
  void SwitchToNewWindow() override { bar_.popNewClick(); }
  bool CurrentWindowTicked() override { return bar_.menus.popCurrent->checked; }

 private:
  TQXB& bar_;
};

}  // namespace

void TQXB::LoadSettings() {
  BarSettingsTarget target(*this);
  settings.Load(registry_, target);
}

void TQXB::SaveSettings() {
  BarSettingsTarget target(*this);
  settings.Save(target);
}

}  // namespace velkor
