// Screen size and display modes.
#include <windows.h>

#include "platform/win32/win32_system.h"

namespace kelvaro {
namespace {

// The size of DEVMODEA up to dmReserved2: what Windows 2000 and XP expect.
constexpr WORD kDevModeSize = 148;

DEVMODEA ModeRequest(const DisplayMode& mode) {
  DEVMODEA request{};
  request.dmSize = kDevModeSize;
  if (mode.bitsPerPixel != 0) {
    request.dmBitsPerPel = mode.bitsPerPixel;
    request.dmFields |= DM_BITSPERPEL;
  }
  if (mode.width != 0) {
    request.dmPelsWidth = mode.width;
    request.dmFields |= DM_PELSWIDTH;
  }
  if (mode.height != 0) {
    request.dmPelsHeight = mode.height;
    request.dmFields |= DM_PELSHEIGHT;
  }
  if (mode.refreshRate != 0) {
    request.dmDisplayFrequency = mode.refreshRate;
    request.dmFields |= DM_DISPLAYFREQUENCY;
  }
  return request;
}

}  // namespace

ScreenSize Win32System::GetScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

DisplayMode Win32System::GetDisplayMode() {
  HDC screen = GetDC(nullptr);
  if (!screen) return {};
  const DisplayMode mode{GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES),
                         GetDeviceCaps(screen, BITSPIXEL), GetDeviceCaps(screen, VREFRESH)};
  ReleaseDC(nullptr, screen);
  return mode;
}

bool Win32System::SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate) {
  return ChangeDisplayMode({width, height, bitsPerPixel, refreshRate}, DisplayChange::kStore);
}

bool Win32System::ChangeDisplayMode(const DisplayMode& mode, DisplayChange how) {
  static constexpr DWORD kFlags[] = {CDS_TEST, 0, CDS_UPDATEREGISTRY};
  DEVMODEA request = ModeRequest(mode);
  return ChangeDisplaySettingsA(&request, kFlags[static_cast<int>(how)]) == DISP_CHANGE_SUCCESSFUL;
}

}  // namespace kelvaro
