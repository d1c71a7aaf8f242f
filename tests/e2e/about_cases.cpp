// The about window and the makers' links as a user meets them: the modal
// window over MainWindow, and the programs the shell starts for each link.
#include "app/about_window.h"
#include "app/makers.h"
#include "tests/e2e/harness.h"

using kelvaro::Control;

namespace {

constexpr char kHandler[] = "\"C:\\kelvaro\\stub.exe\" \"%1\"";

// The shell starts the recording stub for every scheme the links use.
void RegisterRecordingHandlers() {
  for (const char* scheme : {"http", "mailto", "tencent"}) {
    const std::string key = scheme;
    CHECK(e2e::WriteRegistryText(HKEY_CLASSES_ROOT, key, "URL Protocol", ""));
    CHECK(e2e::WriteRegistryText(HKEY_CLASSES_ROOT, key + "\\shell\\open\\command", "", kHandler));
  }
}

// The stub's log once it holds `count` lines, or as it is after ten seconds.
std::vector<std::string> WaitForStubLog(size_t count) {
  for (int waited = 0; waited < 10000 && e2e::StubLog().size() < count; waited += 50) {
    e2e::Sleep(50);
  }
  return e2e::StubLog();
}

std::string Recorded(const std::string& target) {
  return "\"C:\\kelvaro\\stub.exe\" \"" + target + "\"";
}

HWND OpenAboutWindow(e2e::Program& program) {
  program.Click(Control::按钮27);
  return program.FindTopLevel(kelvaro::kAboutWindowCaption);
}

bool WaitUntilGone(HWND window) {
  for (int waited = 0; waited < 10000 && IsWindow(window); waited += 20) {
    e2e::Sleep(20);
  }
  return !IsWindow(window);
}

struct Place {
  int left, top, width, height;
};

// The children in creation order; the last is the browser pane.
constexpr Place kChildPlaces[] = {
    {104, -16, 304, 88}, {8, 67, 464, 101},  {8, 189, 456, 96},
    {8, 293, 440, 60},   {-1, 343, 504, 12}, {-8, 344, 504, 136},
};

void CheckFrameAndChildren(e2e::Program& program, HWND about) {
  RECT frame;
  GetWindowRect(about, &frame);
  CHECK_EQ(frame.right - frame.left, 480);
  CHECK_EQ(frame.bottom - frame.top, 485);
  CHECK_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 480) / 2);
  CHECK_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 485) / 2);
  const LONG style = GetWindowLongA(about, GWL_STYLE);
  CHECK((style & WS_CAPTION) == WS_CAPTION);
  CHECK(style & WS_SYSMENU);
  CHECK(!(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)));
  CHECK(!(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST));
  CHECK(GetWindow(about, GW_OWNER) == nullptr);

  std::vector<HWND> children;
  for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  REQUIRE(children.size() == std::size(kChildPlaces));
  for (size_t i = 0; i < children.size(); ++i) {
    const Place& want = kChildPlaces[i];
    RECT place;
    GetWindowRect(children[i], &place);
    MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&place), 2);
    if (place.left != want.left || place.top != want.top ||
        place.right - place.left != want.width || place.bottom - place.top != want.height) {
      e2e::Fail(__FILE__, __LINE__, "place of child " + std::to_string(i));
    }
  }
  // 透明标签2 carries its lines with CR LF between them.
  CHECK_EQ(program.Text(children[3]),
           std::string("请点击下面的广告，支持我们的开发！\r\n\r\n↓ 点击 ↓ （绿色文字）"));
}

}  // namespace

E2E_CASE(about_window_opens_centred_and_modal_each_time) {
  e2e::Program program = e2e::Program::Launch();
  for (int opening = 0; opening < 2; ++opening) {
    HWND about = OpenAboutWindow(program);
    REQUIRE(about);
    CHECK_EQ(program.Text(about), std::string("关于软件和作者"));
    CheckFrameAndChildren(program, about);
    CHECK(!IsWindowEnabled(program.main()));
    CHECK(program.Answers());  // MainWindow still repaints while disabled

    // Closing by the system menu, as the close button and Alt+F4 do.
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    REQUIRE(WaitUntilGone(about));
    CHECK(program.Answers());
    CHECK(IsWindowEnabled(program.main()));
  }
}

E2E_CASE(about_window_leaves_main_window_without_effect_until_closed) {
  RegisterRecordingHandlers();
  e2e::Program program = e2e::Program::Launch();
  HWND about = OpenAboutWindow(program);
  REQUIRE(about);
  program.Click(Control::按钮29);
  program.Click(Control::按钮27);
  CHECK(program.Answers());
  e2e::Sleep(500);
  CHECK(e2e::StubLog().empty());
  CHECK_EQ(program.FindTopLevel(kelvaro::kAboutWindowCaption, 0), about);

  PostMessageA(about, WM_CLOSE, 0, 0);
  REQUIRE(WaitUntilGone(about));
  program.Click(Control::按钮29);
  CHECK_EQ(WaitForStubLog(1), std::vector{Recorded("http://" KELVARO_WEB_HOST "/zanzhu/")});
}

E2E_CASE(about_links_start_exactly_their_targets) {
  RegisterRecordingHandlers();
  e2e::Program program = e2e::Program::Launch();
  std::vector<std::string> expected;

  program.Click(Control::按钮29);
  expected.push_back(Recorded("http://" KELVARO_WEB_HOST "/zanzhu/"));
  CHECK_EQ(WaitForStubLog(expected.size()), expected);
  // The sponsor page opens beside the program, which stays usable.
  CHECK(program.Answers());
  CHECK(IsWindowEnabled(program.main()));
  HWND about = OpenAboutWindow(program);
  CHECK(about);
  if (about) {
    PostMessageA(about, WM_CLOSE, 0, 0);
    CHECK(WaitUntilGone(about));
  }

  // The labels act when the button goes down; no release follows here.
  program.SelectPage(5);
  program.PressLeftButton(program.Get(Control::标签7));
  expected.push_back(Recorded("mailto:" KELVARO_MAIL_ADDRESS));
  CHECK_EQ(WaitForStubLog(expected.size()), expected);

  program.PressLeftButton(program.Get(Control::标签10));
  expected.push_back(Recorded("tencent://message/?Menu=yes&uin=" KELVARO_CHAT_NUMBER_LINKED));
  CHECK_EQ(WaitForStubLog(expected.size()), expected);
  CHECK(program.Answers());
}
