// Progress of long actions, shown where the program's window wants it.
#include "platform/win32/win32_system.h"

namespace kelvaro {

void Win32System::ShowProgress(const std::string& action, int step, int total) {
  if (progressDisplay_) progressDisplay_->ShowProgress(action, step, total);
}

}  // namespace kelvaro
