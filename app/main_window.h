// The program's one window: the tab control with six pages and the buttons
// below it, built from the control table. While an action runs the window
// takes no input, keeps painting, and shows the action's progress in its caption.
#pragma once

#include <windows.h>

#include "actions/form.h"
#include "app/control_table.h"
#include "app/print_copy.h"
#include "platform/system.h"
#include "platform/win32/win32_system.h"

namespace kelvaro {

class MainWindow final : public Form, public ProgressDisplay {
 public:
  explicit MainWindow(System& system) : system_(system) {}
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window and all its controls and raises the created event; the
  // window stays hidden until Show.
  bool Create(HINSTANCE instance);
  void Show(int showCommand);
  HWND handle() const { return window_; }

  bool IsChecked(Control control) const override;
  void SetChecked(Control control, bool checked) override;
  std::string Text(Control control) const override;
  void SetText(Control control, const std::string& text) override;
  void Close() override;

  void ShowProgress(const std::string& action, int step, int total) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK TabProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool CreateControls(HINSTANCE instance);
  void ShowPage(int page);
  void Raise(Control control, Event event);
  void RunHandler(Handler handler);
  void DrawLabel(const DRAWITEMSTRUCT& item) const;
  HFONT FontFor(const ControlRow& row) const;
  HWND Child(Control control) const { return controls_[static_cast<int>(control)]; }

  System& system_;
  HWND window_ = nullptr;
  HWND controls_[kControlCount] = {};
  HFONT songFont_ = nullptr;
  PrintCopy tabPrint_;           // the tab control as its page controls draw it behind them
  bool busy_ = false;            // a handler is running
  bool actionRunning_ = false;   // a handler is working through its steps
  bool closeRequested_ = false;  // a close that waits for the handler to end
};

}  // namespace kelvaro
