// Starting programs: command lines, shell documents and URLs.
#include <windows.h>
#include <shellapi.h>

#include "platform/operations.h"
#include "platform/win32/process_wait.h"
#include "platform/win32/win32_system.h"

namespace kelvaro {

CommandResult Win32System::RunCommand(const std::string& commandLine, bool wait,
                                      std::optional<int> windowMode) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(ShowCommandForWindowMode(windowMode));
  PROCESS_INFORMATION process{};
  std::string line = commandLine;  // CreateProcessA may write into its command line
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return {};
  }
  CommandResult result{true, 0};
  if (wait) {
    WaitForProcessEnd(process.hProcess);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    result.exitCode = exitCode;
  } else {
    WaitForInputIdle(process.hProcess, 1000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

bool Win32System::OpenWithShell(std::optional<int> operation, const std::string& document) {
  const HINSTANCE result = ShellExecuteA(nullptr, VerbForShellOperation(operation),
                                         document.c_str(), nullptr, "", SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool Win32System::OpenUrl(const std::string& url) {
  HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  const HINSTANCE result =
      ShellExecuteA(owner, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace kelvaro
