#include "platform/win32/process_wait.h"

namespace kelvaro {

// Waits while dispatching window messages, so the program's windows keep
// painting and answering the system during long commands. Input to them is
// blocked by the caller (the window is disabled while an action runs).
void WaitForProcessEnd(HANDLE process) {
  bool quit = false;
  int quitCode = 0;
  while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) ==
         WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;  // the main loop ends once the action is over
        quitCode = static_cast<int>(message.wParam);
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  if (quit) PostQuitMessage(quitCode);
}

}  // namespace kelvaro
