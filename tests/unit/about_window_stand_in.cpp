// The about window is Win32 code of the program itself; the host tests link
// the control table against this empty stand-in.
#include "app/about_window.h"

namespace kelvaro {

void ShowAboutWindow(System&, Form&) {}

}  // namespace kelvaro
