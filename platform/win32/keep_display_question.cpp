// The question after a display switch: keep the new mode, or go back to the old
// one when the user says so, closes the window or lets the countdown run out.
// A monitor that cannot show the new mode shows nothing to click, so doing
// nothing must mean going back.
#include <windows.h>

#include <string>

#include "platform/win32/thread_windows.h"
#include "platform/win32/win32_system.h"
#include "platform/decimal.h"

namespace kelvaro {
namespace {

constexpr char kClassName[] = "KelvaroKeepDisplayQuestion";
constexpr char kCaption[] = "显示设置";
constexpr char kQuestion[] = "显示模式已经改变。要继续使用这一设置吗？";
constexpr int kKeepId = IDYES;
constexpr int kRevertId = IDNO;
constexpr UINT_PTR kCountdownTimer = 1;

// Client-area layout in pixels.
constexpr int kClientWidth = 284;
constexpr int kClientHeight = 104;
constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonTop = 68;

struct Question {
  int secondsLeft;
  HWND countdown = nullptr;
  HWND focus = nullptr;  // the button that had the focus when the window was left
  bool answered = false;
  bool keep = false;
};

std::string CountdownText(int seconds) {
  return Decimal(seconds) + " 秒后自动回到原来的显示设置。";
}

void Answer(HWND window, Question& question, bool keep) {
  if (question.answered) return;
  question.answered = true;
  question.keep = keep;
  KillTimer(window, kCountdownTimer);
}

LRESULT CALLBACK QuestionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* question = reinterpret_cast<Question*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!question) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_TIMER:
      if (wParam != kCountdownTimer) break;
      if (--question->secondsLeft <= 0) {
        Answer(window, *question, false);
      } else {
        SetWindowTextA(question->countdown, CountdownText(question->secondsLeft).c_str());
      }
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kKeepId) {
        Answer(window, *question, true);
        return 0;
      }
      if (LOWORD(wParam) == kRevertId || LOWORD(wParam) == IDCANCEL) {  // IDCANCEL: Esc
        Answer(window, *question, false);
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) question->focus = focus;
      } else {
        SetFocus(question->focus ? question->focus : GetDlgItem(window, kRevertId));
      }
      return 0;
    case WM_CLOSE:
      Answer(window, *question, false);
      return 0;
    case DM_GETDEFID:  // Enter presses 恢复 unless the focus is on 保留
      return MAKELRESULT(kRevertId, DC_HASDEFID);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterQuestionClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, kClassName, &windowClass)) return true;
  windowClass.lpfnWndProc = QuestionProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExA(&windowClass) != 0;
}

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, int id, int left,
              int top, int width, int height) {
  HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, left, top, width,
                               height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return child;
}

// A window of its own size, centred on the screen as the new mode shows it.
HWND CreateQuestionWindow(Question& question) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterQuestionClass(instance)) return nullptr;
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HWND owner = GetActiveWindow();
  HWND window = CreateWindowExA(kExStyle, kClassName, kCaption, kStyle,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                IsWindow(owner) ? owner : nullptr, nullptr, instance, &question);
  if (!window) return nullptr;
  const int textWidth = kClientWidth - 2 * kMargin;
  AddChild(window, "STATIC", kQuestion, SS_LEFT | SS_NOPREFIX, -1, kMargin, 14, textWidth, 16);
  question.countdown = AddChild(window, "STATIC", CountdownText(question.secondsLeft).c_str(),
                                SS_LEFT | SS_NOPREFIX, -1, kMargin, 36, textWidth, 16);
  const int revertLeft = kClientWidth - kMargin - kButtonWidth;
  AddChild(window, "BUTTON", "保留", BS_PUSHBUTTON | WS_TABSTOP, kKeepId,
           revertLeft - 10 - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);
  AddChild(window, "BUTTON", "恢复", BS_DEFPUSHBUTTON | WS_TABSTOP, kRevertId, revertLeft,
           kButtonTop, kButtonWidth, kButtonHeight);
  return window;
}

// Dispatches messages until the question is answered. A quit message ends the
// question (as going back) and is posted again for the program's own loop.
void RunUntilAnswered(HWND window, Question& question) {
  MSG message;
  while (!question.answered) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

bool Win32System::AskToKeepDisplayMode(int seconds) {
  if (seconds <= 0) return false;
  Question question{seconds};
  HWND window = CreateQuestionWindow(question);
  if (!window) return false;  // a question that cannot be asked is not a yes
  {
    DisabledThreadWindows others(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetTimer(window, kCountdownTimer, 1000, nullptr);
    RunUntilAnswered(window, question);
    KillTimer(window, kCountdownTimer);
  }  // the other windows are enabled again first, so the owner takes the activation back
  DestroyWindow(window);
  return question.keep;
}

}  // namespace kelvaro
