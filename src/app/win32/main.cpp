// Program entry: the single-instance test, the application title, the bar,
// and the message loop. The command line is not read.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "app/win32/tqxb.h"
#include "platform/single_instance.h"
#include "platform/win32/menu_pictures.h"
#include "platform/win32/menu_presenter_win32.h"
#include "platform/win32/messages_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "resource_ids.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace velkor;
  if (!AcquireSingleInstance("RunOnlyOneInstance")) {
    return 0;
  }
  win32::Win32Messages messages(kApplicationTitle);
  try {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    win32::Application application(messages);
    application.SetTitle(kApplicationTitle);
    messages.SetOwner(application.hwnd());
    win32::MenuPictures pictures(IDB_MENU, 16);
    win32::Win32MenuPresenter presenter(messages, pictures);
    win32::Win32Shell shell;
    shell.SetOwner(application.hwnd());
    win32::Win32Registry registry;
    TQXB QXB({application, messages, presenter, shell, registry});
    shell.SetOwner(QXB.hwnd());
    application.Run();
  } catch (const std::exception& error) {
    messages.SetOwner(nullptr);  // the application window is gone by now
    messages.ShowError(error.what());
  }
  return 0;
}
