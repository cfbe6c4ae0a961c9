// The bar window: creation, layout, painting, the drag area and the mouse.
#include "app/win32/tqxb.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/guard.h"
#include "platform/win32/gdi.h"
#include "platform/win32/wide.h"
#include "resource_ids.h"

namespace velkor {
namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kEntryYellow = RGB(255, 255, 136);
constexpr int kEditEnterId = 1;

using win32::Bounds;
using win32::MakeFont;

}  // namespace

TQXB::TQXB(const BarServices& services)
    : Window(services.messages),
      menus(*this),
      sbRandom(Bounds(0, 1, 29, 17), IDB_RANDOM),
      sbStart(Bounds(28, 0, 22, 17), IDB_START),
      sbMini(Bounds(200, 0, 16, 17), IDB_MINI),
      TBNArea1(services.messages, services.menus),
      application_(services.application),
      menu_presenter_(services.menus),
      shell_(services.shell),
      registry_(services.registry),
      silver_(CreateSolidBrush(kSilver)),
      entry_background_(CreateSolidBrush(kEntryYellow)),
      grip_(static_cast<HBITMAP>(LoadImageW(win32::ModuleInstance(), MAKEINTRESOURCEW(IDB_GRIP),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))),
      font_(MakeFont(L"MS Sans Serif", 11)),
      entry_font_(MakeFont(L"宋体", 12)),
      entry_keys_(services.messages,
                  [this](UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
                    return EntryMessage(message, wparam, lparam, result);
                  }),
      entry_frame_(services.messages,
                   [this](UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
                     if (message != WM_PAINT) {
                       return false;
                     }
                     result = entry_frame_.CallOriginal(message, wparam, lparam);
                     PaintFlatFrame();
                     return true;
                   }),
      icon_(static_cast<HICON>(LoadImageW(win32::ModuleInstance(), MAKEINTRESOURCEW(IDI_VELKOR),
                                          IMAGE_ICON, 32, 32, 0))) {
  // Owned by the application window, so the bar has no taskbar entry of its own.
  Create({L"TQXB", silver_.get(), icon_}, WS_EX_TOPMOST, WS_POPUP | WS_CLIPCHILDREN,
         win32::Wide("Velkor书签"), Bounds(kLeft, kTop, kClientWidth, kClientHeight),
         application_.hwnd());
  application_.SetMainWindow(hwnd());
  CreateControls();

  TBNArea1.left_menu = &menus.popIcon;
  TBNArea1.on_left_click = [this] { TBNArea1LeftClick(); };
  TBNArea1.on_right_click = [this] { TBNArea1RightClick(); };
  TBNArea1.Show(icon_, kApplicationTitle);

  Guarded(messages_, [this] { FormCreate(); });
}

TQXB::~TQXB() {
  if (hint_ != nullptr) {
    DestroyWindow(hint_);
  }
  TBNArea1.Remove();
  if (icon_ != nullptr) {
    DestroyIcon(icon_);
  }
}

void TQXB::CreateControls() {
  sbRandom.on_click = [this] { sbRandomClick(); };
  sbStart.on_mouse_up = [this](int button, int x, int y) { sbStartMouseUp(button, x, y); };
  sbMini.on_click = [this] { sbMiniClick(); };

  // The drop-down list hangs below the 20-pixel box, 40 items tall.
  constexpr int kItemHeight = 12;
  constexpr int kDropDownCount = 40;
  EditEnter = CreateWindowExW(
      0, WC_COMBOBOXW, L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 99, 0, 100,
      20 + kItemHeight * kDropDownCount + 2, hwnd(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditEnterId)), win32::ModuleInstance(),
      nullptr);
  SendMessageW(EditEnter, WM_SETFONT, reinterpret_cast<WPARAM>(entry_font_.get()), FALSE);
  SendMessageW(EditEnter, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 14);  // a 20-pixel box
  SendMessageW(EditEnter, CB_SETITEMHEIGHT, 0, kItemHeight);
  SendMessageW(EditEnter, CB_LIMITTEXT, 45, 0);
  SetWindowTextW(EditEnter, win32::Wide("输入后回车").c_str());
  AttachEntryHandlers();
  entry_frame_.Attach(EditEnter);

  hint_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                          nullptr, win32::ModuleInstance(), nullptr);
  std::wstring hint = win32::Wide("分类书签");
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = hwnd();
  tool.uId = 1;
  tool.rect = sbStart.bounds();
  tool.lpszText = hint.data();
  SendMessageW(hint_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// EditEnter is flat: its sunken 3-D edge is painted over with a thin line.
void TQXB::PaintFlatFrame() {
  HDC dc = GetWindowDC(EditEnter);
  RECT box{};
  GetWindowRect(EditEnter, &box);
  OffsetRect(&box, -box.left, -box.top);
  box.bottom = box.top + 20;  // the box, not its drop-down list
  win32::GdiObject<HBRUSH> line(CreateSolidBrush(RGB(128, 128, 128)));
  FrameRect(dc, &box, line.get());
  InflateRect(&box, -1, -1);
  FrameRect(dc, &box, entry_background_.get());
  ReleaseDC(EditEnter, dc);
}

void TQXB::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd(), &paint);
  HGDIOBJ old_font = SelectObject(dc, font_.get());
  // In creation order: sbStart overlaps sbRandom's last column and is drawn over it.
  sbRandom.Paint(dc, silver_.get());
  sbStart.Paint(dc, silver_.get());
  if (grip_.get() != nullptr) {
    win32::MemoryDc source(dc, grip_.get());
    BitBlt(dc, 48, 0, 53, 18, source.get(), 0, 0, SRCCOPY);
  }
  sbMini.Paint(dc, silver_.get());
  SelectObject(dc, old_font);
  EndPaint(hwnd(), &paint);
}

LRESULT TQXB::BarHitTest(WPARAM wparam, LPARAM lparam) {
  POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  ScreenToClient(hwnd(), &point);
  // The grip drags the bar; the bounds are strict and the top edge is not tested.
  if (point.x > 48 && point.x < 98 && point.y < kClientHeight) {
    return HTCAPTION;
  }
  return Default(WM_NCHITTEST, wparam, lparam);
}

SpeedButton* TQXB::ButtonAt(POINT client) {
  // The topmost first: the button made last is drawn over the others.
  for (SpeedButton* button : {&sbMini, &sbStart, &sbRandom}) {
    if (button->Contains(client)) {
      return button;
    }
  }
  return nullptr;
}

void TQXB::MouseMove(POINT client) {
  if (!tracking_mouse_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
    tracking_mouse_ = TrackMouseEvent(&track) != FALSE;
  }
  SpeedButton* under = ButtonAt(client);
  for (SpeedButton* button : {&sbRandom, &sbStart, &sbMini}) {
    const bool hot = button == under && (pressed_ == nullptr || pressed_ == button);
    const bool down = button == pressed_ && button == under;
    if (button->hot != hot || button->down != down) {
      button->hot = hot;
      button->down = down;
      InvalidateRect(hwnd(), &button->bounds(), FALSE);
    }
  }
}

void TQXB::MouseDown(POINT client) {
  pressed_ = ButtonAt(client);
  if (pressed_ != nullptr) {
    SetCapture(hwnd());
    MouseMove(client);
  }
}

void TQXB::MouseUp(int button, POINT client) {
  SpeedButton* pressed = pressed_;
  if (pressed == nullptr) {
    return;
  }
  pressed_ = nullptr;
  ReleaseCapture();
  const bool inside = pressed->Contains(client);
  MouseMove(client);
  if (pressed->on_mouse_up) {
    pressed->on_mouse_up(button, client.x - pressed->bounds().left,
                         client.y - pressed->bounds().top);
  }
  if (button == VK_LBUTTON && inside && pressed->on_click) {
    pressed->on_click();
  }
}

LRESULT TQXB::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const POINT client{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  switch (message) {
    case WM_NCHITTEST:
      return BarHitTest(wparam, lparam);
    case WM_PAINT:
      Paint();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_.get());
    case WM_MOUSEMOVE:
      MouseMove(client);
      return 0;
    case WM_MOUSELEAVE:
      tracking_mouse_ = false;
      MouseMove(POINT{-1, -1});
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      MouseDown(client);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(VK_LBUTTON, client);
      return 0;
    case WM_RBUTTONUP:
      MouseUp(VK_RBUTTON, client);
      return 0;
    case WM_MBUTTONUP:
      MouseUp(VK_MBUTTON, client);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      SetBkColor(reinterpret_cast<HDC>(wparam), kEntryYellow);
      return reinterpret_cast<LRESULT>(entry_background_.get());
    case WM_CLOSE:
      // The close sequence, then the end of the program: the bar is the main window.
      Guarded(messages_, [this] { FormClose(); });
      application_.Terminate();
      return 0;
  }
  return Default(message, wparam, lparam);
}

}  // namespace velkor
