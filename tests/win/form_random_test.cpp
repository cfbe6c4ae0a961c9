#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fakes.h"
#include "pages/win32/form_random.h"
#include "platform/win32/wide.h"

namespace velkor {
namespace {

using win32::Narrow;
using win32::Wide;

constexpr const char* kOutOfRange = "输入有误，网址数不能大于20或小于1，请重输";

std::string WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return Narrow(text);
}

// Runs `step` once from inside whatever message loop runs next, when its queue is empty.
std::function<void()> pending_step;
void CALLBACK RunPendingStep(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  auto step = std::move(pending_step);
  pending_step = nullptr;
  if (step) {
    step();
  }
}
void WhenTheLoopRuns(std::function<void()> step) {
  pending_step = std::move(step);
  SetTimer(nullptr, 0, 10, &RunPendingStep);
}

void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

HWND Control(HWND dialog, const wchar_t* window_class, const char* text) {
  return FindWindowExW(dialog, nullptr, window_class,
                       text == nullptr ? nullptr : Wide(text).c_str());
}

class FormRandomTest : public testing::Test {
 protected:
  void SetUp() override {
    owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            nullptr, nullptr);
  }
  void TearDown() override { DestroyWindow(owner); }

  // Runs the dialog with `count`, doing `step` to the open dialog.
  bool Run(std::int32_t& count, const std::function<void(HWND dialog)>& step) {
    WhenTheLoopRuns([this, step] {
      HWND dialog = FindWindowW(TFormRandom::kClassName, nullptr);
      owner_enabled_while_open = IsWindowEnabled(owner) != FALSE;
      shown_text = WindowText(Control(dialog, L"Edit", nullptr));
      step(dialog);
    });
    return TFormRandom::Run(owner, messages, count,
                            [this](std::int32_t n) { stored.push_back(n); });
  }

  HWND owner = nullptr;
  FakeMessages messages;
  std::vector<std::int32_t> stored;
  bool owner_enabled_while_open = true;
  std::string shown_text;
};

TEST_F(FormRandomTest, HasItsDesignedFrameControlsAndFonts) {
  TFormRandom form(owner, messages, 2);
  HWND dialog = form.hwnd();
  RECT outer{};
  GetWindowRect(dialog, &outer);
  EXPECT_EQ(outer.left, 203);
  EXPECT_EQ(outer.top, 176);
  EXPECT_EQ(outer.right - outer.left, 409);
  EXPECT_EQ(outer.bottom - outer.top, 150);
  EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_THICKFRAME);
  EXPECT_EQ(WindowText(dialog), "ridodidi");
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
  EXPECT_FALSE(IsWindowVisible(dialog)) << "shown only by ShowModal";

  const struct {
    const char* name;
    HWND control;
    const char* text;
    int left, top, width, height;  // a width of 0: sized to its text
    bool song;                     // in 宋体, 12 pixels
  } controls[] = {
      {"Label1", form.Label1, "设置随机打开网址数", 28, 41, 0, 0, true},
      {"EditCount", form.EditCount, "2", 145, 36, 171, 21, false},
      {"Label2", form.Label2, "注意：！！当网址数大于8时，确认您的内存够用！！", 43, 76, 0, 0,
       true},
      {"Button1", form.Button1, "确定", 335, 19, 61, 24, true},
      {"Button2", form.Button2, "取消", 336, 51, 61, 24, true},
  };
  for (const auto& c : controls) {
    ASSERT_NE(c.control, nullptr) << c.name;
    EXPECT_EQ(GetParent(c.control), dialog) << c.name;
    RECT box{};
    GetWindowRect(c.control, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, c.left) << c.name;
    EXPECT_EQ(box.top, c.top) << c.name;
    if (c.width != 0) {
      EXPECT_EQ(box.right - box.left, c.width) << c.name;
      EXPECT_EQ(box.bottom - box.top, c.height) << c.name;
    } else {
      EXPECT_GT(box.right - box.left, 0) << c.name;
    }
    EXPECT_EQ(WindowText(c.control), c.text) << c.name;
    if (c.song) {
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c.control, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
      EXPECT_EQ(font.lfHeight, -12) << c.name;
      EXPECT_EQ(Narrow(font.lfFaceName), "宋体") << c.name;
    }
  }
  EXPECT_EQ(form.Bevel1.left, 13);
  EXPECT_EQ(form.Bevel1.top, 20);
  EXPECT_EQ(form.Bevel1.right - form.Bevel1.left, 316);
  EXPECT_EQ(form.Bevel1.bottom - form.Bevel1.top, 86);
  EXPECT_FALSE(GetWindowLongW(form.EditCount, GWL_STYLE) & ES_MULTILINE);
  // The warning fits inside the bevel.
  RECT warning{};
  GetWindowRect(form.Label2, &warning);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&warning), 2);
  EXPECT_LE(warning.right, form.Bevel1.right);

  // Tab order: EditCount, Button1, Button2, round again.
  EXPECT_EQ(GetNextDlgTabItem(dialog, form.EditCount, FALSE), form.Button1);
  EXPECT_EQ(GetNextDlgTabItem(dialog, form.Button1, FALSE), form.Button2);
  EXPECT_EQ(GetNextDlgTabItem(dialog, form.Button2, FALSE), form.EditCount);
}

TEST_F(FormRandomTest, TheBevelIsAnEtchedFrameOnTheDialogFace) {
  TFormRandom form(owner, messages, 2);
  ShowWindow(form.hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(form.hwnd());
  HDC dc = GetDC(form.hwnd());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const struct {
    int x, y;
    COLORREF colour;
  } points[] = {
      {5, 60, face},                                // outside the bevel
      {20, 30, face},                               // inside it, not covered by a control
      {13, 60, GetSysColor(COLOR_BTNSHADOW)},       // its left edge
      {14, 60, GetSysColor(COLOR_BTNHIGHLIGHT)},    // and the light line beside it
      {200, 105, GetSysColor(COLOR_BTNHIGHLIGHT)},  // its bottom edge
  };
  for (const auto& p : points) {
    EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << p.x << "," << p.y;
  }
  ReleaseDC(form.hwnd(), dc);
}

TEST_F(FormRandomTest, EnterInTheFieldConfirmsTheNumberAndStoresIt) {
  std::int32_t count = 2;
  const bool ok = Run(count, [](HWND dialog) {
    HWND edit = Control(dialog, L"Edit", nullptr);
    SetWindowTextW(edit, L"7");
    PostKey(edit, VK_RETURN);
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(count, 7);
  EXPECT_EQ(stored, std::vector<std::int32_t>{7});
  EXPECT_EQ(shown_text, "2") << "the dialog opens with the current count";
  EXPECT_FALSE(owner_enabled_while_open);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(FindWindowW(TFormRandom::kClassName, nullptr), nullptr) << "destroyed after use";
  EXPECT_TRUE(messages.informed.empty());
}

TEST_F(FormRandomTest, EveryWayOfCancellingKeepsTheCount) {
  const struct {
    const char* name;
    std::function<void(HWND dialog)> cancel;
  } cases[] = {
      {"Esc in the field",
       [](HWND dialog) {
         HWND edit = Control(dialog, L"Edit", nullptr);
         SetWindowTextW(edit, L"9");
         PostKey(edit, VK_ESCAPE);
       }},
      {"Esc on a button",
       [](HWND dialog) {
         SetFocus(Control(dialog, L"Button", "确定"));
         PostKey(GetFocus(), VK_ESCAPE);
       }},
      {"a click on 取消",
       [](HWND dialog) { SendMessageW(Control(dialog, L"Button", "取消"), BM_CLICK, 0, 0); }},
      {"Enter on 取消",
       [](HWND dialog) {
         SetFocus(Control(dialog, L"Button", "取消"));
         PostKey(GetFocus(), VK_RETURN);
       }},
      {"closing the window", [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); }},
  };
  for (const auto& c : cases) {
    std::int32_t count = 5;
    EXPECT_FALSE(Run(count, c.cancel)) << c.name;
    EXPECT_EQ(count, 5) << c.name;
    EXPECT_TRUE(IsWindowEnabled(owner)) << c.name;
  }
  EXPECT_TRUE(stored.empty());
}

TEST_F(FormRandomTest, TabThenEnterPressesTheFocusedConfirmButton) {
  std::int32_t count = 3;
  EXPECT_TRUE(Run(count, [](HWND dialog) {
    HWND edit = Control(dialog, L"Edit", nullptr);
    SetWindowTextW(edit, L"12");
    PostKey(edit, VK_TAB);
    PostKey(edit, VK_RETURN);
  }));
  EXPECT_EQ(count, 12);
}

TEST_F(FormRandomTest, ANumberOutOfRangeKeepsTheDialogOpenWithItsTextSelected) {
  TFormRandom form(owner, messages, 2);
  SetWindowTextW(form.EditCount, L"21");
  PostKey(form.EditCount, VK_RETURN);
  bool open_after_message = false;
  DWORD selection = 0;
  HWND focus = nullptr;
  WhenTheLoopRuns([&] {
    open_after_message =
        form.result() == TFormRandom::Result::kNone && IsWindowVisible(form.hwnd());
    selection = static_cast<DWORD>(SendMessageW(form.EditCount, EM_GETSEL, 0, 0));
    focus = GetFocus();
    PostKey(form.EditCount, VK_ESCAPE);
  });
  EXPECT_EQ(form.ShowModal(), TFormRandom::Result::kCancel);
  EXPECT_TRUE(open_after_message);
  EXPECT_EQ(messages.informed, std::vector<std::string>{kOutOfRange});
  EXPECT_EQ(WindowText(form.EditCount), "21");
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 2);
  EXPECT_EQ(focus, form.EditCount);
}

TEST_F(FormRandomTest, Button1ShowsTheNumberItUnderstood) {
  const struct {
    const char* text;
    const char* shown;
    bool ok;
  } cases[] = {
      {"abc", "2", true}, {" 5", "5", true},   {"1", "1", true},    {"20", "20", true},
      {"0", "0", false},  {"21", "21", false}, {"-4", "-4", false}, {"乗", "2", true},
  };
  for (const auto& c : cases) {
    messages.informed.clear();
    TFormRandom form(owner, messages, 2);
    SetWindowTextW(form.EditCount, Wide(c.text).c_str());
    form.Button1Click();
    EXPECT_EQ(WindowText(form.EditCount), c.shown) << c.text;
    EXPECT_EQ(form.result() == TFormRandom::Result::kOk, c.ok) << c.text;
    EXPECT_EQ(messages.informed.size(), c.ok ? 0u : 1u) << c.text;
    if (c.ok) {
      EXPECT_EQ(std::to_string(form.count()), c.shown) << c.text;
    }
  }
}

TEST_F(FormRandomTest, ASecondRunWhileOneIsOpenDoesNothing) {
  std::int32_t count = 4;
  bool second = true;
  std::int32_t second_count = 4;
  EXPECT_FALSE(Run(count, [&](HWND dialog) {
    second = TFormRandom::Run(owner, messages, second_count, nullptr);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  }));
  EXPECT_FALSE(second);
  EXPECT_EQ(FindWindowW(TFormRandom::kClassName, nullptr), nullptr);
}

}  // namespace
}  // namespace velkor
