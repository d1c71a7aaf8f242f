// A kept copy of what a window draws for WM_PRINTCLIENT.
//
// Every control on a tab page draws the tab control behind itself when it
// paints: themed buttons through DrawThemeParentBackground, the others through
// WM_CTLCOLOR*. Each of those draws prints the whole tab control again, and
// with a theme that is the costliest part of showing the window. One copy
// serves them all for as long as nothing that could change the tab control's
// look has reached it.
#pragma once

#include <windows.h>

namespace kelvaro {

class PrintCopy {
 public:
  PrintCopy() = default;
  ~PrintCopy();
  PrintCopy(const PrintCopy&) = delete;
  PrintCopy& operator=(const PrintCopy&) = delete;

  // Answers WM_PRINTCLIENT(PRF_CLIENT) for `window` from the copy, first
  // making the copy through `windowProc` (its own window procedure) if there is none.
  void Print(HWND window, WNDPROC windowProc, HDC target);
  // The window's look may have changed: the next Print draws it afresh.
  void Forget() { current_ = false; }

 private:
  void Release();

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ originalBitmap_ = nullptr;
  SIZE size_ = {};
  bool current_ = false;
};

}  // namespace kelvaro
