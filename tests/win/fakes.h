// Stand-ins behind the seams, so no test waits on a dialog or a menu.
#pragma once

#include <string>
#include <vector>

#include "platform/menu.h"
#include "platform/messages.h"

namespace velkor {

class FakeMessages : public Messages {
 public:
  void Inform(const std::string& text) override { informed.push_back(text); }
  bool Confirm(const std::string& text, const std::string& caption) override {
    confirmed.push_back(caption + ": " + text);
    return answer;
  }
  void ShowError(const std::string& text) override { errors.push_back(text); }

  std::vector<std::string> informed;
  std::vector<std::string> confirmed;
  std::vector<std::string> errors;
  bool answer = true;
};

class FakeMenuPresenter : public MenuPresenter {
 public:
  struct Shown {
    MenuItem* menu;
    int x;
    int y;
    Align align;
  };
  void Popup(MenuItem& menu, int x, int y, Align align) override {
    shown.push_back({&menu, x, y, align});
  }
  std::vector<Shown> shown;
};

}  // namespace velkor
