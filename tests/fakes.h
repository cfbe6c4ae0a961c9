// Stand-ins behind the seams, so no test waits on a dialog or a menu.
#pragma once

#include <string>
#include <vector>

#include "platform/menu.h"
#include "platform/messages.h"
#include "platform/shell.h"

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

// Records what the shell was asked to do.
class FakeShell : public Shell {
 public:
  void Open(const std::string& target, Show show) override {
    calls.push_back("open " + target + (show == Show::kMaximized ? " maximised" : ""));
  }
  std::string AssociatedProgram(const std::string& file) override {
    calls.push_back("find " + file);
    return browser;
  }
  void Start(const std::string& program, const std::string& parameters) override {
    calls.push_back("start " + program + " " + parameters);
  }
  std::string ProgramFolder() override { return folder; }

  std::vector<std::string> calls;
  std::string browser = "C:\\browser.exe";
  std::string folder = "C:\\velkor";
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
