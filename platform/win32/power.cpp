// Shutting down and the CD tray.
#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/win32_system.h"

namespace kelvaro {
namespace {

// Enables the shutdown privilege on the NT family; false when the account lacks it.
bool EnableShutdownPrivilege() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_NT) return true;
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return false;
  }
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  const DWORD error = GetLastError();  // ERROR_NOT_ALL_ASSIGNED without the privilege
  CloseHandle(token);
  return error == ERROR_SUCCESS;
}

bool IsNtFamily() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

bool Win32System::ShutDownSystem(int mode, bool force) {
  if (mode < kPowerOff || mode > kHibernate) return false;
  // Logging off needs no privilege; everything else does.
  if (!EnableShutdownPrivilege() && mode != kLogOff) return false;
  if (mode == kSuspend || mode == kHibernate) {
    return SetSystemPowerState(mode == kSuspend, force);
  }
  UINT flags = mode == kRestart  ? EWX_REBOOT
               : mode == kLogOff ? EWX_LOGOFF
               : IsNtFamily()    ? EWX_POWEROFF
                                 : EWX_SHUTDOWN;
  if (force) flags |= EWX_FORCE;
  return ExitWindowsEx(flags, 0);
}

void Win32System::EjectCdTray() {
  mciSendStringA("Set cdaudio door open wait", nullptr, 0, nullptr);
}

void Win32System::CloseCdTray() {
  mciSendStringA("Set cdaudio door closed wait", nullptr, 0, nullptr);
}

}  // namespace kelvaro
