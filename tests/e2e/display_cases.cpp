// Page 分辨率 on the test prefix's 1280 × 1024 virtual desktop, whose X server
// switches to 1024 × 768 and 1280 × 720 at 60 Hz and refuses 85 Hz and 1680 × 1050.
#include <string>

#include "tests/e2e/harness.h"

using kelvaro::Control;

namespace {

constexpr char kQuestionCaption[] = "显示设置";

// A display mode as "1280x1024x32@60", readable in failure messages.
std::string ModeText(int width, int height, int bits, int rate) {
  return std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(bits) + "@" +
         std::to_string(rate);
}

std::string ModeInEffect() {
  HDC screen = GetDC(nullptr);
  const std::string mode =
      ModeText(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
               GetDeviceCaps(screen, BITSPIXEL), GetDeviceCaps(screen, VREFRESH));
  ReleaseDC(nullptr, screen);
  return mode;
}

DEVMODEA StoredSettings() {
  DEVMODEA stored{};
  stored.dmSize = sizeof stored;
  EnumDisplaySettingsA(nullptr, ENUM_REGISTRY_SETTINGS, &stored);
  return stored;
}

std::string StoredMode() {
  const DEVMODEA stored = StoredSettings();
  return ModeText(stored.dmPelsWidth, stored.dmPelsHeight, stored.dmBitsPerPel,
                  stored.dmDisplayFrequency);
}

// The status line as the driver itself reads the screen.
std::string ExpectedStatus() {
  HDC screen = GetDC(nullptr);
  const std::string status = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "×" +
                             std::to_string(GetSystemMetrics(SM_CYSCREEN)) + " ＠" +
                             std::to_string(GetDeviceCaps(screen, VREFRESH)) + "Hz/" +
                             std::to_string(GetDeviceCaps(screen, BITSPIXEL)) + "位";
  ReleaseDC(nullptr, screen);
  return status;
}

// Puts the stored mode back, for this session too, whatever a case left behind:
// the cases share one wineserver and so one desktop.
class DesktopRestorer {
 public:
  DesktopRestorer() : stored_(StoredSettings()) {}
  ~DesktopRestorer() {
    DEVMODEA mode = stored_;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
    ChangeDisplaySettingsA(&mode, CDS_UPDATEREGISTRY);
  }

 private:
  DEVMODEA stored_;
};

HWND QuestionButton(HWND question, const char* caption) {
  return FindWindowExA(question, nullptr, "Button", caption);
}

// The seconds the question's countdown shows, or -1 when it shows none.
int SecondsShown(e2e::Program& program, HWND question) {
  const std::string ending = " 秒后自动回到原来的显示设置。";
  for (HWND child = FindWindowExA(question, nullptr, "Static", nullptr); child;
       child = FindWindowExA(question, child, "Static", nullptr)) {
    const std::string text = program.Text(child);
    if (text.size() > ending.size() && text.ends_with(ending)) {
      return std::stoi(text.substr(0, text.size() - ending.size()));
    }
  }
  return -1;
}

// Selects the preset, presses 设置 and waits for the question.
HWND SwitchAndWaitForQuestion(e2e::Program& program, Control preset) {
  program.Click(preset);
  program.Click(Control::按钮1);
  return program.FindTopLevel(kQuestionCaption, 10000);
}

}  // namespace

E2E_CASE(display_status_line_shows_the_screen_at_start) {
  e2e::Program program = e2e::Program::Launch();
  CHECK_EQ(program.Text(Control::标签2), ExpectedStatus());
  CHECK_EQ(ExpectedStatus(), std::string("1280×1024 ＠60Hz/32位"));
}

E2E_CASE(display_set_without_preset_asks_for_one) {
  DesktopRestorer restorer;
  e2e::Program program = e2e::Program::Launch();
  const std::string before = ModeInEffect();
  program.Click(Control::按钮1);
  const e2e::MessageBoxSeen box = program.WaitForMessageBox();
  REQUIRE(box.found);
  CHECK_EQ(box.title, std::string("提示"));
  CHECK_EQ(box.text, std::string("请选择合适的分辨率！"));
  CHECK_EQ(box.icon, 16);
  CHECK(program.Answers());
  CHECK_EQ(ModeInEffect(), before);
  CHECK_EQ(program.Text(Control::标签2), ExpectedStatus());
}

E2E_CASE(display_mode_the_screen_cannot_show_is_refused_and_nothing_changes) {
  struct Case {
    Control preset;
    const char* text;
  };
  const Case cases[] = {
      {Control::单选3, "显示器不支持显示模式 1280×1024 ＠85Hz/32位，显示设置没有改变。"},
      {Control::单选9, "显示器不支持显示模式 1680×1050 ＠60Hz/32位，显示设置没有改变。"},
  };
  DesktopRestorer restorer;
  e2e::Program program = e2e::Program::Launch();
  const std::string mode = ModeInEffect();
  const std::string stored = StoredMode();
  for (const Case& c : cases) {
    program.Click(c.preset);
    program.Click(Control::按钮1);
    const e2e::MessageBoxSeen box = program.WaitForMessageBox();
    REQUIRE(box.found);
    CHECK_EQ(box.title, std::string("提示"));
    CHECK_EQ(box.text, std::string(c.text));
    CHECK_EQ(box.icon, 16);
    CHECK(program.Answers());
    CHECK(!program.FindTopLevel(kQuestionCaption, 0));
    CHECK_EQ(ModeInEffect(), mode);
    CHECK_EQ(StoredMode(), stored);
    CHECK_EQ(program.Text(Control::标签2), ExpectedStatus());
  }
}

E2E_CASE(display_kept_mode_stays_and_is_stored) {
  DesktopRestorer restorer;
  e2e::Program program = e2e::Program::Launch();
  HWND question = SwitchAndWaitForQuestion(program, Control::单选5);  // 17寸LCD
  REQUIRE(question);
  // The new mode is in effect while the question waits, stored only once kept.
  CHECK_EQ(ModeInEffect(), std::string("1024x768x32@60"));
  CHECK_EQ(StoredMode(), std::string("1280x1024x32@60"));
  CHECK(!IsWindowEnabled(program.main()));
  const int first = SecondsShown(program, question);
  CHECK(first == 15 || first == 14);
  e2e::Sleep(2200);
  const int later = SecondsShown(program, question);
  CHECK(later >= 11 && later <= first - 2);

  HWND keep = QuestionButton(question, "保留");
  REQUIRE(keep);
  program.Click(keep);
  for (int i = 0; i < 100 && IsWindow(question); ++i)
    e2e::Sleep(50);
  CHECK(!IsWindow(question));
  CHECK(program.Answers());
  CHECK(IsWindowEnabled(program.main()));
  CHECK_EQ(ModeInEffect(), std::string("1024x768x32@60"));
  CHECK_EQ(StoredMode(), std::string("1024x768x32@60"));
  CHECK_EQ(program.Text(Control::标签2), std::string("1024×768 ＠60Hz/32位"));
}

E2E_CASE(display_revert_or_closing_the_question_brings_the_old_mode_back) {
  DesktopRestorer restorer;
  e2e::Program program = e2e::Program::Launch();
  const std::string stored = StoredMode();
  for (const bool byButton : {true, false}) {
    HWND question = SwitchAndWaitForQuestion(program, Control::单选7);  // 17宽屏LCD
    REQUIRE(question);
    CHECK_EQ(ModeInEffect(), std::string("1280x720x32@60"));
    if (byButton) {
      HWND revert = QuestionButton(question, "恢复");
      REQUIRE(revert);
      program.Click(revert);
    } else {
      PostMessageA(question, WM_CLOSE, 0, 0);
    }
    for (int i = 0; i < 100 && IsWindow(question); ++i)
      e2e::Sleep(50);
    CHECK(!IsWindow(question));
    CHECK(program.Answers());
    CHECK_EQ(ModeInEffect(), std::string("1280x1024x32@60"));
    CHECK_EQ(StoredMode(), stored);
    CHECK_EQ(program.Text(Control::标签2), std::string("1280×1024 ＠60Hz/32位"));
  }
}

E2E_CASE(display_unanswered_question_brings_the_old_mode_back_after_15_seconds) {
  DesktopRestorer restorer;
  e2e::Program program = e2e::Program::Launch();
  const std::string stored = StoredMode();
  HWND question = SwitchAndWaitForQuestion(program, Control::单选4);  // 15寸LCD
  REQUIRE(question);
  const DWORD shown = GetTickCount();
  CHECK_EQ(ModeInEffect(), std::string("1024x768x32@60"));
  e2e::Sleep(13000);
  CHECK(IsWindow(question));
  for (int i = 0; i < 200 && IsWindow(question); ++i)
    e2e::Sleep(50);
  CHECK(!IsWindow(question));
  const DWORD elapsed = GetTickCount() - shown;
  CHECK(elapsed >= 14000 && elapsed <= 17000);
  CHECK(program.Answers());
  CHECK(IsWindowEnabled(program.main()));
  CHECK_EQ(ModeInEffect(), std::string("1280x1024x32@60"));
  CHECK_EQ(StoredMode(), stored);
  CHECK_EQ(program.Text(Control::标签2), std::string("1280×1024 ＠60Hz/32位"));
}
