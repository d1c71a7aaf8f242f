// A web page inside a window: the system's WebBrowser control, hosted in a
// child window of our own through a minimal OLE container.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <exdisp.h>

namespace kelvaro {

class BrowserSite;

class BrowserPane {
 public:
  BrowserPane() = default;
  ~BrowserPane();
  BrowserPane(const BrowserPane&) = delete;
  BrowserPane& operator=(const BrowserPane&) = delete;

  // Creates the pane's window at `place` in `parent` and, inside it, a browser
  // that starts loading `url`. Returns false when no browser could be hosted;
  // the (empty) window is there all the same unless `parent` is gone.
  bool Create(HWND parent, int id, const RECT& place, const char* url);
  // Lets the browser act on a key meant for it (Tab between links, its own
  // shortcuts); true when it did.
  bool TranslateKey(MSG& message);
  // Stops loading and lets go of the browser; the window stays until its parent goes.
  void Close();
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool Embed(const char* url);
  void TakeFocus();

  HWND window_ = nullptr;
  BrowserSite* site_ = nullptr;
  IOleObject* object_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
};

}  // namespace kelvaro
