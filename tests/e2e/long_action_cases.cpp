// A long action: the window keeps answering and shows its progress, takes no
// input, and neither a close request nor the end of the session cuts it.
#include <algorithm>
#include <cstdio>

#include "tests/e2e/harness.h"

using kelvaro::Control;

namespace {

constexpr int kMinimalProfileCommands = 82;
constexpr char kIdleCaption[] = "Kelvaro v1.0";

// Starts the 最精简模式 profile with stubs that take about 50 ms each.
e2e::Program StartMinimalProfile() {
  e2e::Program program =
      e2e::Program::Launch({.stubs = {"sc"}, .stubExitCodes = "", .stubDelayMs = 50});
  program.SelectPage(1);
  program.Click(Control::单选框1);
  program.Click(Control::按钮6);
  return program;
}

bool MessageBoxOpen(DWORD pid) {
  struct Search {
    DWORD pid;
    bool found;
  } search{pid, false};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (owner == s->pid && IsWindowVisible(window) && lstrcmpA(name, "#32770") == 0) {
          s->found = true;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

E2E_CASE(long_action_keeps_answering_shows_progress_and_takes_no_input) {
  e2e::Program program = StartMinimalProfile();
  DWORD worstMs = 0;
  int probes = 0;
  bool progressSeen = false, disabledSeen = false, sessionEndRefused = false;
  bool clickedElsewhere = false;
  while (!MessageBoxOpen(program.pid()) && program.Running() && probes < 3000) {
    const DWORD start = GetTickCount();
    DWORD_PTR result = 0;
    const bool answered =
        SendMessageTimeoutA(program.main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    const DWORD took = GetTickCount() - start;
    CHECK(answered);
    worstMs = std::max(worstMs, took);
    ++probes;
    const std::string caption = program.Text(program.main());
    if (caption.rfind("Kelvaro v1.0 - 服务优化 ", 0) == 0 &&
        caption.find("/82") != std::string::npos) {
      progressSeen = true;
      disabledSeen = disabledSeen || !IsWindowEnabled(program.main());
      if (!clickedElsewhere) {
        // Another action's button, and a request to end the session.
        program.SetChecked(Control::选择框4, true);
        program.Click(Control::按钮7);
        DWORD_PTR allowed = 1;
        SendMessageTimeoutA(program.main(), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 2000,
                            &allowed);
        sessionEndRefused = allowed == 0;
        clickedElsewhere = true;
      }
    }
    e2e::Sleep(20);
  }
  std::printf("%d probes during the profile, the slowest answered in %lu ms\n", probes, worstMs);
  CHECK(probes > 20);
  CHECK(worstMs < 100);
  CHECK(progressSeen);
  CHECK(disabledSeen);
  CHECK(sessionEndRefused);

  const e2e::MessageBoxSeen box = program.WaitForMessageBox();
  CHECK_EQ(box.text, std::string("服务优化完毕！"));
  const std::vector<std::string> log = e2e::StubLog();
  CHECK_EQ(static_cast<int>(log.size()),
           kMinimalProfileCommands);  // the 执行 of 可选服务 ran nothing
  for (const std::string& line : log)
    CHECK(line.find("start= auto") == std::string::npos);
  CHECK(program.Answers());
  CHECK_EQ(program.Text(program.main()), std::string(kIdleCaption));
  CHECK(IsWindowEnabled(program.main()));
  DWORD_PTR allowed = 0;
  SendMessageTimeoutA(program.main(), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 2000, &allowed);
  CHECK(allowed != 0);
}

E2E_CASE(long_action_close_request_waits_for_the_end) {
  e2e::Program program = StartMinimalProfile();
  for (int i = 0; i < 250 && e2e::StubLog().size() < 5; ++i)
    e2e::Sleep(20);
  PostMessageA(program.main(), WM_CLOSE, 0, 0);  // the close button, Alt+F4, the task bar
  e2e::Sleep(300);
  CHECK(program.Running());
  const e2e::MessageBoxSeen box = program.WaitForMessageBox();
  CHECK_EQ(box.text, std::string("服务优化完毕！"));
  CHECK_EQ(static_cast<int>(e2e::StubLog().size()), kMinimalProfileCommands);
  CHECK(program.WaitForExit(10000));  // and then the window closes as asked
}
