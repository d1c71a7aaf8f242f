#include <gtest/gtest.h>

#include "actions/display/resolution_preset.h"
#include "app/control_table.h"
#include "tests/unit/fake_form.h"
#include "tests/unit/fake_system.h"

namespace kelvaro {
namespace {

using testing::AskKeep;
using testing::Call;
using testing::ChangeMode;
using testing::FakeForm;
using testing::FakeSystem;
using testing::Message;
using enum DisplayChange;

constexpr DisplayMode kDesktop{1280, 1024, 32, 60};
constexpr char kDesktopStatus[] = "1280×1024 ＠60Hz/32位";

// A system showing the 1280 × 1024 desktop.
FakeSystem DesktopSystem() {
  FakeSystem system;
  system.displayMode = kDesktop;
  system.screen = {kDesktop.width, kDesktop.height};
  return system;
}

TEST(DisplayStatus, JoinsScreenSizeRefreshRateAndDepth) {
  struct Case {
    ScreenSize screen;
    DisplayMode mode;
    std::string expected;
  };
  const Case cases[] = {
      {{1024, 768}, {1024, 768, 32, 85}, "1024×768 ＠85Hz/32位"},
      {{1440, 900}, {1440, 900, 16, 60}, "1440×900 ＠60Hz/16位"},
      // The status takes the size from the screen metrics, not from the mode.
      {{800, 600}, {1024, 768, 32, 1}, "800×600 ＠1Hz/32位"},
      // The mode could not be read.
      {{1280, 1024}, {}, "1280×1024 ＠0Hz/0位"},
  };
  for (const Case& c : cases) {
    FakeSystem system;
    system.screen = c.screen;
    system.displayMode = c.mode;
    FakeForm form;
    RefreshDisplayStatus(system, form);
    EXPECT_EQ(form.texts[Control::标签2], c.expected) << c.expected;
    EXPECT_TRUE(system.calls.empty());
  }
}

TEST(DisplayStatus, HoldsTheExactGbkBytes) {
  EXPECT_EQ(DisplayModeText(1024, 768, 85, 32),
            "1024\xA1\xC1"
            "768 \xA3\xC0"
            "85Hz/32\xCE\xBB");
}

TEST(DisplayStatus, IsFilledWhenTheWindowIsCreatedAndSetsTheButtonsHandler) {
  ASSERT_EQ(kMainWindowCreated, &MainWindowCreated);
  FakeSystem system = DesktopSystem();
  FakeForm form;
  kMainWindowCreated(system, form);
  EXPECT_EQ(form.texts[Control::标签2], kDesktopStatus);
  EXPECT_TRUE(system.calls.empty());

  const ControlRow& button = kControls[static_cast<int>(Control::按钮1)];
  EXPECT_EQ(button.event, Event::kClick);
  EXPECT_EQ(button.handler, &SetResolutionPreset);
}

// Every preset, confirmed: tested, switched for the session, confirmed, stored.
TEST(ResolutionPreset, EachRadioSwitchesToItsModeAndStoresItWhenKept) {
  struct Case {
    Control radio;
    DisplayMode mode;
    const char* status;
  };
  const Case cases[] = {
      {Control::单选1, {800, 600, 32, 85}, "800×600 ＠85Hz/32位"},      // 15寸CRT
      {Control::单选2, {1024, 768, 32, 85}, "1024×768 ＠85Hz/32位"},    // 17寸CRT
      {Control::单选3, {1280, 1024, 32, 85}, "1280×1024 ＠85Hz/32位"},  // 19寸CRT
      {Control::单选4, {1024, 768, 32, 60}, "1024×768 ＠60Hz/32位"},    // 15寸LCD
      {Control::单选5, {1024, 768, 32, 60}, "1024×768 ＠60Hz/32位"},    // 17寸LCD, as 15寸
      {Control::单选6, {1280, 1024, 32, 60}, "1280×1024 ＠60Hz/32位"},  // 19寸LCD
      {Control::单选7, {1280, 720, 32, 60}, "1280×720 ＠60Hz/32位"},    // 17宽屏LCD
      {Control::单选8, {1440, 900, 32, 60}, "1440×900 ＠60Hz/32位"},    // 19宽屏LCD
      {Control::单选9, {1680, 1050, 32, 60}, "1680×1050 ＠60Hz/32位"},  // 22宽屏LCD
  };
  for (const Case& c : cases) {
    FakeSystem system = DesktopSystem();
    system.keepAnswer = true;
    FakeForm form{c.radio};
    SetResolutionPreset(system, form);
    EXPECT_EQ(system.calls,
              (std::vector<Call>{ChangeMode(c.mode, kTest), ChangeMode(c.mode, kForSession),
                                 AskKeep(15), ChangeMode(c.mode, kStore)}))
        << c.status;
    EXPECT_EQ(form.texts[Control::标签2], c.status);
  }
}

TEST(ResolutionPreset, NothingSelectedAsksForAChoiceAndChangesNothing) {
  FakeSystem system = DesktopSystem();
  FakeForm form;
  SetResolutionPreset(system, form);
  EXPECT_EQ(system.calls, (std::vector{Message("请选择合适的分辨率！", kErrorIcon, "提示")}));
  EXPECT_EQ(form.texts[Control::标签2], kDesktopStatus);
}

// The paths after a preset is chosen, with 17寸LCD (1024 × 768 at 60 Hz)
// selected on the 1280 × 1024 desktop unless the case says otherwise.
TEST(ResolutionPreset, TestsAsksAndGoesBackUnlessKept) {
  constexpr DisplayMode kLcd{1024, 768, 32, 60};
  constexpr DisplayMode kCrt{1280, 1024, 32, 85};
  using Answer = bool (*)(const DisplayMode&, DisplayChange);
  const Answer all = [](const DisplayMode&, DisplayChange) { return true; };
  struct Case {
    const char* name;
    Control radio;
    DisplayMode previous;
    Answer changeSucceeds;
    bool keep;
    std::vector<Call> calls;
    std::string status;
  };
  const std::string failed = "显示设置未能完成：\r\n";
  const Case cases[] = {
      {"kept",
       Control::单选5,
       kDesktop,
       all,
       true,
       {ChangeMode(kLcd, kTest), ChangeMode(kLcd, kForSession), AskKeep(15),
        ChangeMode(kLcd, kStore)},
       "1024×768 ＠60Hz/32位"},
      // Revert, closing the question and the countdown running out all answer no.
      {"declined",
       Control::单选5,
       kDesktop,
       all,
       false,
       {ChangeMode(kLcd, kTest), ChangeMode(kLcd, kForSession), AskKeep(15),
        ChangeMode(kDesktop, kForSession)},
       kDesktopStatus},
      {"declined, refresh rate read as the hardware default",
       Control::单选5,
       {1280, 1024, 32, 1},
       all,
       false,
       {ChangeMode(kLcd, kTest), ChangeMode(kLcd, kForSession), AskKeep(15),
        ChangeMode({1280, 1024, 32, 0}, kForSession)},
       "1280×1024 ＠0Hz/32位"},
      {"refused by the display",
       Control::单选3,
       kDesktop,
       [](const DisplayMode&, DisplayChange how) { return how != kTest; },
       true,
       {ChangeMode(kCrt, kTest),
        Message("显示器不支持显示模式 1280×1024 ＠85Hz/32位，显示设置没有改变。", kErrorIcon,
                "提示")},
       kDesktopStatus},
      {"current mode unreadable",
       Control::单选5,
       {},
       all,
       true,
       {Message("无法读取当前的显示模式，显示设置没有改变。", kErrorIcon, "提示")},
       "1280×1024 ＠0Hz/0位"},
      {"switch fails",
       Control::单选5,
       kDesktop,
       [](const DisplayMode&, DisplayChange how) { return how == kTest; },
       true,
       {ChangeMode(kLcd, kTest), ChangeMode(kLcd, kForSession),
        Message(failed + "切换到显示模式 1024×768 ＠60Hz/32位", kWarningIcon, "提示")},
       kDesktopStatus},
      {"kept but not stored",
       Control::单选5,
       kDesktop,
       [](const DisplayMode&, DisplayChange how) { return how != kStore; },
       true,
       {ChangeMode(kLcd, kTest), ChangeMode(kLcd, kForSession), AskKeep(15),
        ChangeMode(kLcd, kStore),
        Message(failed + "把显示模式 1024×768 ＠60Hz/32位 存入用户设置\r\n"
                         "这一模式只在本次登录期间有效。",
                kWarningIcon, "提示")},
       "1024×768 ＠60Hz/32位"},
      {"declined but the old mode does not come back",
       Control::单选5,
       kDesktop,
       [](const DisplayMode& mode, DisplayChange) { return mode != kDesktop; },
       false,
       {ChangeMode(kLcd, kTest), ChangeMode(kLcd, kForSession), AskKeep(15),
        ChangeMode(kDesktop, kForSession),
        Message(failed + "恢复原来的显示模式 1280×1024 ＠60Hz/32位\r\n"
                         "新的显示模式没有存入用户设置，重新登录后即恢复原来的模式。",
                kWarningIcon, "提示")},
       "1024×768 ＠60Hz/32位"},
  };
  for (const Case& c : cases) {
    FakeSystem system = DesktopSystem();
    system.displayMode = c.previous;
    system.changeSucceeds = c.changeSucceeds;
    system.keepAnswer = c.keep;
    FakeForm form{c.radio};
    SetResolutionPreset(system, form);
    EXPECT_EQ(system.calls, c.calls) << c.name;
    EXPECT_EQ(form.texts[Control::标签2], c.status) << c.name;
  }
}

}  // namespace
}  // namespace kelvaro
