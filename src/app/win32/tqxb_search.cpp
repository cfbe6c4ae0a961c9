// The bar's entry box: keyword search on Enter and the keyword history.
#include "app/win32/tqxb.h"

#include "pages/search_page.h"
#include "platform/files.h"
#include "platform/win32/wide.h"

namespace velkor {
namespace {

constexpr const char* kHistoryFile = "list.ini";

}  // namespace

void TQXB::AttachEntryHandlers() {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(EditEnter, &info);
  entry_keys_.Attach(info.hwndItem);
}

bool TQXB::EntryMessage(UINT message, WPARAM wparam, LPARAM /*lparam*/, LRESULT& result) {
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == VK_RETURN) {
        EditEnterKeyDown(static_cast<int>(wparam));
        result = 0;
        return true;
      }
      return false;
    case WM_CHAR:
      // Enter was handled on its key press; the edit would only beep.
      return wparam == L'\r';
    case WM_LBUTTONDBLCLK:
      EditEnterDblClick();
      result = 0;
      return true;
  }
  return false;
}

std::string TQXB::EntryText() const {
  const int length = GetWindowTextLengthW(EditEnter);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(EditEnter, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return win32::Narrow(text);
}

// Refills the drop-down list; the box keeps its text, which emptying the list clears.
void TQXB::ShowHistory() {
  const std::wstring text = win32::Wide(EntryText());
  SendMessageW(EditEnter, CB_RESETCONTENT, 0, 0);
  for (const auto& entry : history) {
    SendMessageW(EditEnter, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Wide(entry).c_str()));
  }
  SetWindowTextW(EditEnter, text.c_str());
}

void TQXB::LoadKeywordHistory() {
  if (files::Exists(kHistoryFile)) {
    history.LoadFromFile(kHistoryFile);
    ShowHistory();
  }
}

void TQXB::EditEnterKeyDown(int key) {
  if (key != VK_RETURN) {
    return;
  }
  const std::string keyword = EntryText();
  if (keyword.empty()) {
    return;
  }
  WriteSearchPage(Pages(), state.directory, state.own_bookmarks, state.curated,
                  CuratedSectionHeader(), keyword);
  EditEnterDblClick();
  if (AddToHistory(history, keyword)) {
    ShowHistory();
    EditEnterDblClick();
    history.SaveToFile(kHistoryFile);
  }
}

void TQXB::EditEnterDblClick() {
  SendMessageW(EditEnter, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

}  // namespace velkor
