// The about window: the program and its makers, their contact details and
// their advertisement page, shown modally over MainWindow.
#pragma once

#include "actions/handler.h"

namespace kelvaro {

inline constexpr char kAboutWindowCaption[] = "关于软件和作者";
inline constexpr int kAboutWindowWidth = 480;  // outer size, frame and caption included
inline constexpr int kAboutWindowHeight = 485;

// Opens the about window and returns when the user has closed it; MainWindow
// takes no input meanwhile. When the window is open already, activates it.
void ShowAboutWindow(System& system, Form& form);

}  // namespace kelvaro
