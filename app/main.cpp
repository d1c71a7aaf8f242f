// Start-up: create MainWindow, show it and run the message loop until it is gone.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "platform/win32/win32_system.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  kelvaro::Win32System system;
  int exitCode = 0;
  {
    kelvaro::MainWindow window(system);
    system.SetProgressDisplay(&window);
    if (!window.Create(instance)) {
      MessageBoxA(nullptr, "无法创建主窗口，程序即将退出。", kelvaro::kMainWindowCaption,
                  MB_ICONERROR | MB_TASKMODAL);
      exitCode = 1;
    } else {
      window.Show(showCommand);
      MSG message;
      while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Tab and the arrow keys move the focus between the controls.
        if (window.handle() && IsDialogMessageA(window.handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
  }
  return exitCode;
}
