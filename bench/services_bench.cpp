// The time a service profile takes through the real window, side by side with
// two yardsticks that run the same 82 command lines of Minimal against the same
// recording stub: a bare loop that starts and waits for each, and cmd running
// them from a batch file. Runs inside the sandbox prefix, interleaved:
//   services_bench.exe RUNS
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "actions/services/service_profile.h"

#include "bench/timing.h"

namespace {

using bench::Median;
using bench::Now;

constexpr char kFolder[] = "C:\\kelvaro";
constexpr char kBatch[] = "C:\\kelvaro\\bench-minimal.cmd";

std::vector<std::string> MinimalLines() {
  std::vector<std::string> lines;
  for (const kelvaro::ServiceSetting& setting :
       kelvaro::SettingsOf(kelvaro::ServiceProfile::Minimal))
    lines.push_back(kelvaro::CommandLine(setting));
  return lines;
}

// Starts a command line hidden, as the program does, and waits for it.
bool RunHidden(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, kFolder, &startup,
                      &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

double BareLoop(const std::vector<std::string>& lines) {
  const double start = Now();
  for (const std::string& line : lines) {
    if (!RunHidden(line)) return -1;
  }
  return Now() - start;
}

double BatchFile() {
  const double start = Now();
  if (!RunHidden(std::string("cmd /c ") + kBatch)) return -1;
  return Now() - start;
}

struct WindowSearch {
  DWORD pid;
  const char* className;  // nullptr: any
  const char* caption;    // nullptr: any
  HWND found;
};

// True when the window's class (or text) is `wanted`; a null `wanted` matches all.
bool Matches(HWND window, const char* wanted, bool byClass) {
  if (!wanted) return true;
  char text[256] = "";
  if (byClass) {
    GetClassNameA(window, text, sizeof text);
  } else {
    GetWindowTextA(window, text, sizeof text);
  }
  return std::strcmp(text, wanted) == 0;
}

BOOL CALLBACK FindTopLevel(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->pid || !IsWindowVisible(window) || !Matches(window, search->className, true) ||
      !Matches(window, search->caption, false)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

HWND WaitForTopLevel(DWORD pid, const char* className, const char* caption) {
  for (int i = 0; i < 60000; ++i) {
    WindowSearch search{pid, className, caption, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(1);
  }
  return nullptr;
}

struct ChildSearch {
  const char* className;
  const char* caption;
  HWND found;
};

BOOL CALLBACK FindChild(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<ChildSearch*>(parameter);
  if (!Matches(window, search->className, true) || !Matches(window, search->caption, false)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

HWND Child(HWND parent, const char* className, const char* caption) {
  ChildSearch search{className, caption, nullptr};
  EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Seconds from pressing 执行 with 最精简模式 chosen until the closing message
// shows; `worstAnswer` gets the slowest answer of the window to a WM_NULL sent
// every 20 ms meanwhile.
double ThroughTheWindow(double& worstAnswer) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  char line[] = "C:\\kelvaro\\kelvaro.exe";
  if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, kFolder, &startup,
                      &process)) {
    return -1;
  }
  double elapsed = -1;
  HWND main = WaitForTopLevel(process.dwProcessId, nullptr, "Kelvaro v1.0");
  DWORD_PTR answer;
  if (main && SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) {
    SendMessageA(Child(main, "SysTabControl32", nullptr), TCM_SETCURFOCUS, 1, 0);
    HWND minimal = Child(main, nullptr, "最精简模式");
    HWND apply = Child(main, nullptr, "执行");  // the first 执行 is the profiles'
    SendMessageA(minimal, BM_CLICK, 0, 0);
    const double start = Now();
    PostMessageA(apply, BM_CLICK, 0, 0);
    worstAnswer = 0;
    for (int i = 0; i < 30000; ++i) {
      WindowSearch search{process.dwProcessId, "#32770", nullptr, nullptr};
      EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
      if (search.found) {
        elapsed = Now() - start;
        PostMessageA(search.found, WM_COMMAND, IDOK, 0);
        break;
      }
      const double asked = Now();
      SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
      worstAnswer = std::max(worstAnswer, Now() - asked);
      Sleep(20);
    }
    Sleep(200);
    PostMessageA(main, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  const std::vector<std::string> lines = MinimalLines();
  std::string script = "@echo off\r\n";
  for (const std::string& line : lines)
    script += line + "\r\n";
  HANDLE file = CreateFileA(kBatch, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, script.data(), static_cast<DWORD>(script.size()), &written, nullptr);
  CloseHandle(file);

  std::vector<double> window, bare, batch;
  double worstAnswer = 0;
  BareLoop(lines);  // warm the caches once
  for (int i = 0; i < runs; ++i) {
    double worst = 0;
    window.push_back(ThroughTheWindow(worst));
    worstAnswer = std::max(worstAnswer, worst);
    bare.push_back(BareLoop(lines));
    batch.push_back(BatchFile());
  }
  DeleteFileA(kBatch);
  if (std::min({*std::min_element(window.begin(), window.end()),
                *std::min_element(bare.begin(), bare.end()),
                *std::min_element(batch.begin(), batch.end())}) < 0) {
    std::printf("service profile: a run failed\n");
    return 1;
  }
  std::printf("service profile Minimal (%zu commands), median of %d interleaved runs:\n",
              lines.size(), runs);
  std::printf("  through the window  %7.1f ms\n", Median(window) * 1000);
  std::printf("  bare loop           %7.1f ms   ratio %5.3f (target <= 1.05)\n",
              Median(bare) * 1000, Median(window) / Median(bare));
  std::printf("  batch file          %7.1f ms   ratio %5.3f (target < 1)\n", Median(batch) * 1000,
              Median(window) / Median(batch));
  std::printf("  slowest answer of the window during the runs: %.1f ms (probed every 20 ms)\n",
              worstAnswer * 1000);
  return 0;
}
