#include "platform/win32/thread_windows.h"

namespace kelvaro {
namespace {

struct Search {
  HWND keep;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectEnabled(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  if (window != search->keep && IsWindowEnabled(window)) search->found->push_back(window);
  return TRUE;
}

}  // namespace

DisabledThreadWindows::DisabledThreadWindows(HWND keep) {
  Search search{keep, &disabled_};
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&search));
  for (HWND window : disabled_)
    EnableWindow(window, FALSE);
}

DisabledThreadWindows::~DisabledThreadWindows() {
  for (HWND window : disabled_) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
}

}  // namespace kelvaro
