// The status line of page 分辨率: the screen size and the display mode in effect.
#pragma once

#include <string>

#include "actions/form.h"
#include "platform/system.h"

namespace kelvaro {

// "1024×768 ＠85Hz/32位": width, height, refresh rate and colour depth.
std::string DisplayModeText(int width, int height, int refreshRate, int bitsPerPixel);

// Writes the screen size and the current refresh rate and colour depth into 标签2.
void RefreshDisplayStatus(System& system, Form& form);

// Runs once when MainWindow exists, before it is first shown.
void MainWindowCreated(System& system, Form& form);

}  // namespace kelvaro
