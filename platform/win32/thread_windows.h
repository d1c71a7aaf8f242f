// Disabling the program's top-level windows while a modal window of its own is
// open, and giving them back their former state afterwards.
#pragma once

#include <windows.h>

#include <vector>

namespace kelvaro {

class DisabledThreadWindows {
 public:
  // Disables every enabled top-level window of the calling thread except `keep`.
  explicit DisabledThreadWindows(HWND keep = nullptr);
  ~DisabledThreadWindows();  // re-enables the windows it disabled
  DisabledThreadWindows(const DisabledThreadWindows&) = delete;
  DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace kelvaro
