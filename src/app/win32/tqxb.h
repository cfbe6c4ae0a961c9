// TQXB, the bar: a borderless, topmost strip of 216 x 17 pixels with its five
// controls, its two popup menus and the tray icon. Its one instance QXB owns
// the state of the run.
#pragma once

#include <windows.h>

#include <string>

#include "app/bar_commands.h"
#include "app/bar_menus.h"
#include "app/bar_state.h"
#include "app/settings.h"
#include "app/win32/speed_button.h"
#include "platform/menu.h"
#include "platform/messages.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/win32/application.h"
#include "platform/win32/control_subclass.h"
#include "platform/win32/gdi.h"
#include "platform/win32/tray_icon.h"
#include "platform/win32/window.h"

namespace velkor {

inline constexpr const char* kApplicationTitle = "Velkor书签6.0";

// What the bar needs from the program around it; tests put fakes here.
struct BarServices {
  win32::Application& application;
  Messages& messages;
  MenuPresenter& menus;
  Shell& shell;
  Registry& registry;
};

class TQXB : public win32::Window, public BarCommands {
 public:
  // Creates the window, its controls and the tray icon, then runs FormCreate.
  explicit TQXB(const BarServices& services);
  ~TQXB() override;

  // The bar's layout, in client pixels.
  static constexpr int kClientWidth = 216;
  static constexpr int kClientHeight = 17;
  static constexpr int kLeft = 450;
  static constexpr int kTop = 0;

  BarState state;
  Settings settings;  // the settings key, open from LoadSettings to SaveSettings
  BarMenus menus;
  SpeedButton sbRandom;
  SpeedButton sbStart;
  SpeedButton sbMini;
  HWND EditEnter = nullptr;
  TextList history;  // EditEnter's drop-down list, newest first
  win32::TrayIcon TBNArea1;

  void FormCreate();
  void FormClose();
  LRESULT BarHitTest(WPARAM wparam, LPARAM lparam);
  void sbStartMouseUp(int button, int x, int y);
  void sbMiniClick();
  void ApplicationMinimize();
  void TBNArea1LeftClick();
  void sbRandomClick();
  void EditEnterKeyDown(int key);
  void EditEnterDblClick();

  // BarCommands
  void popIconAllClick() override;
  void popManagerClick() override;
  void popSearchClick() override;
  void popCurrentClick() override;
  void popNewClick() override;
  void popOnTopClick() override;
  void popRandomClick() override;
  void popIconCloseClick() override;
  void popAboutClick() override;
  void popHelpClick() override;
  void TBNArea1RightClick() override;
  void DirectoryItemClick(const std::string& category) override;
  void KindItemClick(const std::string& kind) override;

  // Start-up steps that the directory data, menus and settings fill in.
  bool InsertPartnerFragments();
  void LoadScrambledFile(TextList& list, const std::string& file_name);
  void BuildDirectoryMenus();
  void BuildKindMenus();
  void SetGroupImages();
  void RefreshKindMenus();
  void LoadOwnBookmarks();
  void LoadKeywordHistory();
  void LoadSettings();
  void SaveSettings();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  PageContext Pages();
  void CreateControls();
  void AttachEntryHandlers();
  bool EntryMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  std::string EntryText() const;
  void PaintFlatFrame();
  void ShowHistory();
  void Paint();
  SpeedButton* ButtonAt(POINT client);
  void MouseMove(POINT client);
  void MouseDown(POINT client);
  void MouseUp(int button, POINT client);

  win32::Application& application_;
  MenuPresenter& menu_presenter_;
  Shell& shell_;
  Registry& registry_;
  win32::GdiObject<HBRUSH> silver_;
  win32::GdiObject<HBRUSH> entry_background_;
  win32::GdiObject<HBITMAP> grip_;
  win32::GdiObject<HFONT> font_;        // the bar's own font
  win32::GdiObject<HFONT> entry_font_;  // EditEnter's font
  win32::ControlSubclass entry_keys_;
  win32::ControlSubclass entry_frame_;
  HWND hint_ = nullptr;
  HICON icon_ = nullptr;
  SpeedButton* pressed_ = nullptr;
  bool tracking_mouse_ = false;
};

}  // namespace velkor
