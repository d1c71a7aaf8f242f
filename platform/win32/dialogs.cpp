// Message boxes and the folder picker.
#include <windows.h>
#include <shlobj.h>

#include "platform/operations.h"
#include "platform/win32/thread_windows.h"
#include "platform/win32/win32_system.h"

namespace kelvaro {

int Win32System::ShowMessage(const std::string& text, int style, const std::string& title) {
  UINT flags = static_cast<UINT>(style);
  if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
  return MessageBoxA(nullptr, text.c_str(), title.empty() ? kDefaultMessageTitle : title.c_str(),
                     flags);
}

std::string Win32System::BrowseForFolder(const std::string& title) {
  HWND active = GetActiveWindow();
  HWND foreground = GetForegroundWindow();
  std::string chosen;
  {
    DisabledThreadWindows disabled;
    BROWSEINFOA browse{};
    browse.hwndOwner = IsWindow(active) ? active : nullptr;
    browse.pidlRoot = nullptr;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_EDITBOX;
    if (LPITEMIDLIST item = SHBrowseForFolderA(&browse)) {
      char path[MAX_PATH] = "";
      if (SHGetPathFromIDListA(item, path)) chosen = path;
      CoTaskMemFree(item);
    }
  }
  if (IsWindow(foreground)) SetForegroundWindow(foreground);
  if (IsWindow(active)) SetActiveWindow(active);
  return chosen;
}

}  // namespace kelvaro
