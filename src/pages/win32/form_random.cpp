#include "pages/win32/form_random.h"

#include <string>

#include "pages/random_page.h"
#include "platform/win32/wide.h"
#include "text/errors.h"

namespace velkor {
namespace {

constexpr int kEditCountId = 10;
constexpr int kButton1Id = 11;
constexpr int kButton2Id = 12;

using win32::Bounds;
using win32::MakeFont;

// A label sizes itself to its text, as wide as the text and one line high.
SIZE TextSize(HFONT font, const std::wstring& text) {
  win32::ScreenDc screen;
  HGDIOBJ old = SelectObject(screen.get(), font);
  SIZE size{};
  GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(screen.get(), old);
  return size;
}

std::string EditText(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  try {
    return win32::Narrow(text);
  } catch (const EncodingError&) {
    return {};  // no GBK form, so certainly not a number
  }
}

// Keeps the owner disabled while the dialog runs.
class OwnerDisabled {
 public:
  explicit OwnerDisabled(HWND owner)
      : owner_(owner != nullptr && IsWindowEnabled(owner) ? owner : nullptr) {
    if (owner_ != nullptr) {
      EnableWindow(owner_, FALSE);
    }
  }
  ~OwnerDisabled() {
    if (owner_ != nullptr) {
      EnableWindow(owner_, TRUE);
    }
  }
  OwnerDisabled(const OwnerDisabled&) = delete;
  OwnerDisabled& operator=(const OwnerDisabled&) = delete;

 private:
  HWND owner_;
};

}  // namespace

bool TFormRandom::Run(HWND owner, Messages& messages, std::int32_t& count,
                      const std::function<void(std::int32_t)>& store) {
  if (open_ != nullptr) {
    SetForegroundWindow(open_->hwnd());
    return false;
  }
  TFormRandom form(owner, messages, count);
  struct Open {
    explicit Open(TFormRandom* form) { open_ = form; }
    ~Open() { open_ = nullptr; }
  } open(&form);
  if (form.ShowModal() != Result::kOk) {
    return false;
  }
  count = form.count();
  if (store) {
    store(count);
  }
  return true;
}

TFormRandom::TFormRandom(HWND owner, Messages& messages, std::int32_t count)
    : Window(messages),
      owner_(owner),
      form_font_(MakeFont(L"MS Sans Serif", 11)),
      song_font_(MakeFont(L"宋体", 12)) {
  // A sizeable frame at its designed place; the outer size is 409 x 150.
  Create({kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)}, 0,
         WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, L"ridodidi", Bounds(203, 176, 409, 150), owner);
  CreateControls();
  SetWindowTextW(EditCount, std::to_wstring(count).c_str());
}

TFormRandom::~TFormRandom() {
  // The controls go before the fonts they use.
  if (hwnd() != nullptr) {
    DestroyWindow(hwnd());
  }
}

HWND TFormRandom::CreateControl(const wchar_t* window_class, const char* text, DWORD style,
                                DWORD ex_style, RECT bounds, int id, HFONT font) {
  HWND control = CreateWindowExW(
      ex_style, window_class, win32::Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left,
      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, hwnd(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), win32::ModuleInstance(), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void TFormRandom::CreateControls() {
  const auto label = [this](const char* text, int left, int top) {
    const SIZE size = TextSize(song_font_.get(), win32::Wide(text));
    return CreateControl(L"STATIC", text, SS_LEFT | SS_NOPREFIX, 0,
                         Bounds(left, top, size.cx, size.cy), 0, song_font_.get());
  };
  // Made in tab order: EditCount, Button1, Button2.
  Label1 = label("设置随机打开网址数", 28, 41);
  EditCount = CreateControl(L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                            Bounds(145, 36, 171, 21), kEditCountId, form_font_.get());
  Label2 = label("注意：！！当网址数大于8时，确认您的内存够用！！", 43, 76);
  Button1 = CreateControl(L"BUTTON", "确定", WS_TABSTOP | BS_PUSHBUTTON, 0, Bounds(335, 19, 61, 24),
                          kButton1Id, song_font_.get());
  Button2 = CreateControl(L"BUTTON", "取消", WS_TABSTOP | BS_PUSHBUTTON, 0, Bounds(336, 51, 61, 24),
                          kButton2Id, song_font_.get());
}

void TFormRandom::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd(), &paint);
  RECT bevel = Bevel1;
  DrawEdge(dc, &bevel, EDGE_ETCHED, BF_RECT);
  EndPaint(hwnd(), &paint);
}

TFormRandom::Result TFormRandom::ShowModal() {
  result_ = Result::kNone;
  {
    const OwnerDisabled disabled(owner_);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(EditCount);
    SendMessageW(EditCount, EM_SETSEL, 0, -1);
    MSG message{};
    while (result_ == Result::kNone && hwnd() != nullptr) {
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) {
          PostQuitMessage(static_cast<int>(message.wParam));  // for the loop outside
        }
        result_ = Result::kCancel;
        break;
      }
      if (!IsDialogMessageW(hwnd(), &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    if (result_ == Result::kNone) {
      result_ = Result::kCancel;  // the window went away
    }
  }
  // The owner is enabled again first, so it takes the activation back.
  if (hwnd() != nullptr) {
    ShowWindow(hwnd(), SW_HIDE);
  }
  return result_;
}

void TFormRandom::Button1Click() {
  const std::int32_t number = RandomCountDialogRules::Parse(EditText(EditCount));
  SetWindowTextW(EditCount, std::to_wstring(number).c_str());
  if (!RandomCountDialogRules::Accepts(number)) {
    messages_.Inform(std::string(RandomCountDialogRules::kOutOfRange));
    SetFocus(EditCount);
    SendMessageW(EditCount, EM_SETSEL, 0, -1);
    return;
  }
  count_ = number;
  result_ = Result::kOk;
}

void TFormRandom::Button2Click() {
  result_ = Result::kCancel;
}

void TFormRandom::EditCountKeyDown(WPARAM key) {
  if (key == VK_RETURN) {
    Button1Click();
  } else if (key == VK_ESCAPE) {
    Button2Click();
  }
}

// The dialog manager turns Enter into IDOK and Esc into IDCANCEL: in EditCount
// they are its keys; Enter on a focused button presses that button, and Esc
// anywhere else cancels.
void TFormRandom::EnterPressed() {
  HWND focus = GetFocus();
  if (focus == Button1) {
    Button1Click();
  } else if (focus == Button2) {
    Button2Click();
  } else {
    EditCountKeyDown(VK_RETURN);
  }
}

void TFormRandom::EscapePressed() {
  if (GetFocus() == EditCount) {
    EditCountKeyDown(VK_ESCAPE);
  } else {
    Button2Click();
  }
}

LRESULT TFormRandom::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDOK:
          EnterPressed();
          return 0;
        case IDCANCEL:
          EscapePressed();
          return 0;
        case kButton1Id:
          if (HIWORD(wparam) == BN_CLICKED) {
            Button1Click();
          }
          return 0;
        case kButton2Id:
          if (HIWORD(wparam) == BN_CLICKED) {
            Button2Click();
          }
          return 0;
      }
      break;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(form_font_.get());
    case WM_CLOSE:
      Button2Click();  // the window stays until the dialog is destroyed
      return 0;
  }
  return Default(message, wparam, lparam);
}

}  // namespace velkor
