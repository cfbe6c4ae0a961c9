// TFormRandom, the dialog that sets how many addresses the random command
// opens: one field, two buttons, a modal loop of its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/messages.h"
#include "platform/win32/gdi.h"
#include "platform/win32/window.h"

namespace velkor {

class TFormRandom : public win32::Window {
 public:
  enum class Result { kNone, kOk, kCancel };

  static constexpr const wchar_t* kClassName = L"TFormRandom";

  // popRandomClick: shows `count` in EditCount and runs the dialog modally
  // over `owner`. On OK `count` takes the number, `store` writes it into the
  // settings key at once, and the result is true; Cancel leaves both alone.
  // While a count dialog is open, a second call only brings it to the front.
  static bool Run(HWND owner, Messages& messages, std::int32_t& count,
                  const std::function<void(std::int32_t)>& store);

  // The dialog, created hidden, owned by `owner`, with `count` in EditCount.
  TFormRandom(HWND owner, Messages& messages, std::int32_t count);
  ~TFormRandom() override;

  // Shows the dialog with EditCount focused and its text selected, disables
  // the owner and delivers messages (those already posted too) until a
  // result is set; then enables the owner again and hides the dialog.
  Result ShowModal();

  // Reads EditCount (a non-number reads as 2) and writes the number back;
  // 1 to 20 ends with OK, anything else shows the message and selects the text.
  void Button1Click();
  void Button2Click();
  // Enter presses Button1, Esc presses Button2.
  void EditCountKeyDown(WPARAM key);

  Result result() const { return result_; }
  // The number accepted with OK.
  std::int32_t count() const { return count_; }

  // Drawn by the dialog itself, beneath the controls it frames.
  static constexpr RECT Bevel1{13, 20, 13 + 316, 20 + 86};
  HWND Label1 = nullptr;
  HWND EditCount = nullptr;
  HWND Label2 = nullptr;
  HWND Button1 = nullptr;
  HWND Button2 = nullptr;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void CreateControls();
  void Paint();
  HWND CreateControl(const wchar_t* window_class, const char* text, DWORD style, DWORD ex_style,
                     RECT bounds, int id, HFONT font);
  void EnterPressed();
  void EscapePressed();

  HWND owner_;
  win32::GdiObject<HFONT> form_font_;  // EditCount's
  win32::GdiObject<HFONT> song_font_;  // the labels' and buttons'
  Result result_ = Result::kNone;
  std::int32_t count_ = 0;

  static inline TFormRandom* open_ = nullptr;
};

}  // namespace velkor
