#include "app/print_copy.h"

namespace kelvaro {

PrintCopy::~PrintCopy() {
  Release();
}

void PrintCopy::Release() {
  if (dc_) {
    SelectObject(dc_, originalBitmap_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  current_ = false;
}

void PrintCopy::Print(HWND window, WNDPROC windowProc, HDC target) {
  RECT client;
  GetClientRect(window, &client);
  if (client.right != size_.cx || client.bottom != size_.cy) Release();
  if (!dc_) {
    // Made like the window's own surface, whatever the first target was.
    HDC windowDc = GetDC(window);
    dc_ = CreateCompatibleDC(windowDc);
    bitmap_ = CreateCompatibleBitmap(windowDc, client.right, client.bottom);
    ReleaseDC(window, windowDc);
    if (!dc_ || !bitmap_) {
      Release();
      CallWindowProcA(windowProc, window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target),
                      PRF_CLIENT);
      return;
    }
    originalBitmap_ = SelectObject(dc_, bitmap_);
    size_ = {client.right, client.bottom};
  }
  if (!current_) {
    // As DrawThemeParentBackground asks for it: erased, then printed, over
    // the main window's background that surrounds the tab control.
    FillRect(dc_, &client, GetSysColorBrush(COLOR_BTNFACE));
    CallWindowProcA(windowProc, window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc_), 0);
    CallWindowProcA(windowProc, window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    current_ = true;
  }
  BitBlt(target, 0, 0, size_.cx, size_.cy, dc_, 0, 0, SRCCOPY);
}

}  // namespace kelvaro
