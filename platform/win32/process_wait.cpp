#include "platform/win32/process_wait.h"

namespace kelvaro {

void WaitForProcessEnd(HANDLE process) {
  WaitForSingleObject(process, INFINITE);
}

}  // namespace kelvaro
