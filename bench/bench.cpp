// Benchmarks run inside the sandbox prefix, each measured side by side with its
// yardstick in one run, interleaved:
//   bench.exe startup RUNS   kelvaro.exe against a bare window, until each answers
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/timing.h"

namespace {

using bench::Median;
using bench::Now;

struct Search {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindVisibleWindowOf(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->pid && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// Seconds from starting the program until its window answers; -1 on failure.
double StartUntilAnswering(const char* program) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = program;
  const double start = Now();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, "C:\\kelvaro",
                      &startup, &process)) {
    return -1;
  }
  double elapsed = -1;
  for (int i = 0; i < 20000 && elapsed < 0; ++i) {
    Search search{process.dwProcessId, nullptr};
    EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
    DWORD_PTR result;
    if (search.found &&
        SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
      elapsed = Now() - start;
      PostMessageA(search.found, WM_CLOSE, 0, 0);
    } else {
      Sleep(1);
    }
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

int Startup(int runs) {
  std::vector<double> program, bare;
  StartUntilAnswering("C:\\kelvaro\\bare_window.exe");  // warm the caches once
  for (int i = 0; i < runs; ++i) {
    program.push_back(StartUntilAnswering("C:\\kelvaro\\kelvaro.exe"));
    bare.push_back(StartUntilAnswering("C:\\kelvaro\\bare_window.exe"));
  }
  const double ratio = Median(program) / Median(bare);
  std::printf("start-up until the window answers, median of %d interleaved runs:\n", runs);
  std::printf(
      "  kelvaro.exe  %7.1f ms\n  bare window  %7.1f ms\n  ratio        %7.2f (target <= 1.30)\n",
      Median(program) * 1000, Median(bare) * 1000, ratio);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "startup";
  const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
  if (what == "startup") return Startup(runs);
  std::printf("unknown benchmark %s\n", what.c_str());
  return 2;
}
