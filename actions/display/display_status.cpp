#include "actions/display/display_status.h"
#include "platform/decimal.h"

namespace kelvaro {

std::string DisplayModeText(int width, int height, int refreshRate, int bitsPerPixel) {
  return Decimal(width) + "×" + Decimal(height) + " ＠" + Decimal(refreshRate) + "Hz/" +
         Decimal(bitsPerPixel) + "位";
}

void RefreshDisplayStatus(System& system, Form& form) {
  const ScreenSize screen = system.GetScreenSize();
  const DisplayMode mode = system.GetDisplayMode();
  form.SetText(Control::标签2,
               DisplayModeText(screen.width, screen.height, mode.refreshRate, mode.bitsPerPixel));
}

void MainWindowCreated(System& system, Form& form) {
  RefreshDisplayStatus(system, form);
}

}  // namespace kelvaro
