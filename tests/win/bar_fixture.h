// A running bar in a fresh working folder, with fakes behind its seams.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/win32/tqxb.h"
#include "platform/files.h"
#include "platform/win32/application.h"
#include "test_folder.h"
#include "fakes.h"

namespace velkor {

class BarTest : public testing::Test {
 protected:
  // Empty data files, so a plain start asks for no termination; tests
  // write or remove files before StartBar.
  void SetUp() override {
    for (const char* name :
         {"data2", "data0", "datau.qx", "datad.qx", "datac.qx", "jhpy.qx", "webpy.qx"}) {
      files::WriteAll(name, "");
    }
  }
  void StartBar() {
    application = std::make_unique<win32::Application>(messages);
    application->SetTitle(kApplicationTitle);
    bar = std::make_unique<TQXB>(BarServices{*application, messages, presenter, shell, registry});
    ShowWindow(application->hwnd(), SW_SHOWNOACTIVATE);
    ShowWindow(bar->hwnd(), SW_SHOW);
  }
  void TearDown() override {
    bar.reset();
    application.reset();
  }
  // Delivers what is waiting in the queue.
  static void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  TestFolder folder;
  FakeMessages messages;
  FakeMenuPresenter presenter;
  FakeShell shell;
  FakeRegistry registry;
  std::unique_ptr<win32::Application> application;
  std::unique_ptr<TQXB> bar;
};

}  // namespace velkor
