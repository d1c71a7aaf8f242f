// The about window belongs to the program itself; the host tests and the
// end-to-end driver, which link the control table, get this empty stand-in.
#include "app/about_window.h"

namespace kelvaro {

void ShowAboutWindow(System&, Form&) {}

}  // namespace kelvaro
