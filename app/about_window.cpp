#include "app/about_window.h"

#include <windows.h>
#include <mmsystem.h>

#include "actions/about/contact_links.h"
#include "app/browser_pane.h"
#include "app/makers.h"
#include "app/resources.h"
#include "platform/win32/thread_windows.h"

namespace kelvaro {
namespace {

constexpr char kWindowClass[] = "KelvaroAboutWindow";
constexpr int kFirstChildId = 100;

enum class Kind {
  kLabel,             // text over the window's own background
  kTransparentLabel,  // text only, over whatever lies behind it, sibling controls included
  kPicture,           // an empty strip of the window's background
  kBrowser,
};

// A label's text either stays on one line, centred from top to bottom, or
// runs from the top in as many lines as it needs.
enum class Layout { kOneLine, kWrapped };

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct AboutControl {
  Kind kind;
  const char* text;
  int left, top, width, height;  // in the client area; some stick out of it
  int fontHeight = 0;            // 宋体, character height in pixels; 0 for no text
  bool bold = false;
  COLORREF colour = kBlack;
  Layout layout = Layout::kOneLine;
};

// The window's controls in creation order; earlier ones lie on top.
constexpr AboutControl kAboutControls[] = {
    // 透明标签1: the heading; its top 16 pixels lie above the client area.
    {Kind::kTransparentLabel, KELVARO_TEAM_NAME " 荣誉出品", 104, -16, 304, 88, 24, true, kRed},
    // 标签1
    {Kind::kLabel,
     "　　感谢您选用本软件！本软件由" KELVARO_TEAM_NAME
     "开发，是一款辅助性的系统优化工具。由于我们水平有限，程序难免存在不足之处，"
     "欢迎您提出宝贵的意见和建议。",
     8, 67, 464, 101, 20, false, kBlue, Layout::kWrapped},
    // 标签2: how to reach the makers.
    {Kind::kLabel,
     "即时通讯：" KELVARO_CHAT_NUMBER_SHOWN "\r\n"
     "电子邮箱：" KELVARO_MAIL_ADDRESS "\r\n"
     "官方网站：" KELVARO_WEB_HOST "\r\n"
     "\r\n"
     "欢迎洽谈软件开发、网站建设与网站优化合作。",
     8, 189, 456, 96, 19, false, kBlack, Layout::kWrapped},
    // 透明标签2: points to the page below.
    {Kind::kTransparentLabel,
     "请点击下面的广告，支持我们的开发！\r\n"
     "\r\n"
     "↓ 点击 ↓ （绿色文字）",
     8, 293, 440, 60, 20, false, kRed, Layout::kWrapped},
    // 图片框1
    {Kind::kPicture, "", -1, 343, 504, 12},
    // 超文本浏览框1: wider than the client area on both sides.
    {Kind::kBrowser, "", -8, 344, 504, 136},
};
constexpr int kAboutControlCount = sizeof kAboutControls / sizeof kAboutControls[0];

class AboutWindow {
 public:
  AboutWindow() = default;
  ~AboutWindow();
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;

  // Creates the window, hidden, with its controls; the page starts loading.
  bool Create(HINSTANCE instance);
  // Plays the chime, shows the window with the program's other windows
  // disabled and handles messages until the user closes it.
  void RunModal();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void DrawLabel(const DRAWITEMSTRUCT& item) const;
  void Destroy();

  HWND window_ = nullptr;
  HFONT fonts_[kAboutControlCount] = {};
  BrowserPane browser_;
  bool closing_ = false;
};

bool RegisterAboutClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA aboutClass{};
  if (GetClassInfoExA(instance, kWindowClass, &aboutClass)) return true;
  aboutClass.cbSize = sizeof aboutClass;
  aboutClass.lpfnWndProc = procedure;
  aboutClass.hInstance = instance;
  // The program file's plain icon, not MainWindow's.
  aboutClass.hIcon =
      static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kProgramFileIconId), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  aboutClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kProgramFileIconId),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0));
  aboutClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  aboutClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  aboutClass.lpszClassName = kWindowClass;
  return RegisterClassExA(&aboutClass) != 0;
}

BOOL CALLBACK FindAboutWindow(HWND window, LPARAM found) {
  char name[sizeof kWindowClass + 1];
  if (GetClassNameA(window, name, sizeof name) && lstrcmpA(name, kWindowClass) == 0) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND OpenAboutWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindAboutWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Plays in the background; the resource stays mapped while the program runs,
// so the sound may go on after this returns.
void PlayChime(HINSTANCE instance) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(kAboutChimeId), "WAVE");
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const void* wave = loaded ? LockResource(loaded) : nullptr;
  if (wave) {
    PlaySoundA(static_cast<const char*>(wave), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
  }
}

void StopChime() {
  PlaySoundA(nullptr, nullptr, 0);
}

AboutWindow::~AboutWindow() {
  Destroy();
  for (HFONT font : fonts_) {
    if (font) DeleteObject(font);
  }
}

bool AboutWindow::Create(HINSTANCE instance) {
  if (!RegisterAboutClass(instance, WindowProc)) return false;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kAboutWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kAboutWindowHeight) / 2;
  // A fixed frame with the system menu and close button only. No owner.
  window_ =
      CreateWindowExA(0, kWindowClass, kAboutWindowCaption,
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, left, top,
                      kAboutWindowWidth, kAboutWindowHeight, nullptr, nullptr, instance, this);
  if (!window_) return false;

  for (int i = 0; i < kAboutControlCount; ++i) {
    const AboutControl& row = kAboutControls[i];
    const int id = kFirstChildId + i;
    if (row.kind == Kind::kBrowser) {
      // Without a browser, or without the page, the rest of the window works all the same.
      const RECT place{row.left, row.top, row.left + row.width, row.top + row.height};
      browser_.Create(window_, id, place, kAdvertisementPage);
      continue;
    }
    const bool label = row.kind != Kind::kPicture;
    // Transparent labels are painted after the controls beneath them and are
    // not cut out of the window's background.
    const DWORD exStyle = row.kind == Kind::kTransparentLabel ? WS_EX_TRANSPARENT : 0;
    HWND child = CreateWindowExA(
        exStyle, "STATIC", row.text, WS_CHILD | WS_VISIBLE | (label ? SS_OWNERDRAW : SS_LEFT),
        row.left, row.top, row.width, row.height, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!child) return false;
    if (row.fontHeight) {
      fonts_[i] = CreateFontA(-row.fontHeight, 0, 0, 0, row.bold ? FW_BOLD : FW_NORMAL, FALSE,
                              FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
      SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[i]), FALSE);
    }
  }
  return true;
}

void AboutWindow::RunModal() {
  PlayChime(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE)));
  bool quit = false;
  WPARAM exitCode = 0;
  {
    DisabledThreadWindows others(window_);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    MSG message;
    while (!closing_) {
      const BOOL got = GetMessageA(&message, nullptr, 0, 0);
      if (got <= 0) {
        // The program is ending: leave, and pass the request on to the main loop.
        quit = got == 0;
        exitCode = message.wParam;
        break;
      }
      if (browser_.TranslateKey(message) || IsDialogMessageA(window_, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    StopChime();
    browser_.Close();
    // The other windows are enabled before this one goes, so that the
    // activation passes back to MainWindow and not to another program.
  }
  Destroy();
  if (quit) PostQuitMessage(static_cast<int>(exitCode));
}

void AboutWindow::Destroy() {
  browser_.Close();
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

void AboutWindow::DrawLabel(const DRAWITEMSTRUCT& item) const {
  const int index = static_cast<int>(item.CtlID) - kFirstChildId;
  if (index < 0 || index >= kAboutControlCount) return;
  const AboutControl& row = kAboutControls[index];
  char text[512];
  GetWindowTextA(item.hwndItem, text, sizeof text);
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  const int saved = SaveDC(dc);
  if (row.kind == Kind::kLabel) FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  if (fonts_[index]) SelectObject(dc, fonts_[index]);
  SetTextColor(dc, row.colour);
  const UINT layout = row.layout == Layout::kWrapped ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
  DrawTextA(dc, text, -1, &area, DT_LEFT | DT_NOPREFIX | layout);
  RestoreDC(dc, saved);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      DrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE:
      // The modal loop ends and takes the window down; wake it in case this
      // message was sent rather than posted.
      closing_ = true;
      PostMessageA(window_, WM_NULL, 0, 0);
      return 0;
    case WM_DESTROY:
      closing_ = true;
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK AboutWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<AboutWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<AboutWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self || !self->window_) return DefWindowProcA(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

}  // namespace

void ShowAboutWindow(System& system, Form&) {
  if (HWND open = OpenAboutWindow()) {
    SetForegroundWindow(open);
    return;
  }
  AboutWindow window;
  if (!window.Create(GetModuleHandleA(nullptr))) {
    system.ShowMessage("无法打开“关于软件”窗口。", kWarningIcon, "");
    return;
  }
  window.RunModal();
}

}  // namespace kelvaro
