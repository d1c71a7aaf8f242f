#include "app/main_window.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "app/resources.h"
#include "platform/decimal.h"

namespace kelvaro {
namespace {

constexpr char kWindowClass[] = "KelvaroMainWindow";
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The original window procedures of the subclassed tab control and labels.
WNDPROC g_tabProc = nullptr;
WNDPROC g_labelProc = nullptr;

const ControlRow& RowOf(int id) {
  return kControls[id - kFirstControlId];
}
bool IsControlId(int id) {
  return id >= kFirstControlId && id < kFirstControlId + kControlCount;
}

MainWindow* InstanceOf(HWND anyWindowOfIt) {
  HWND top = GetAncestor(anyWindowOfIt, GA_ROOT);
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(top, GWLP_USERDATA));
}

struct ClassAndStyle {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

ClassAndStyle WindowClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::kTab:
      return {WC_TABCONTROLA, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case ControlKind::kFrame:
      return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::kRadio:
      return {"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
    case ControlKind::kCheck:
      return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::kButton:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::kLabel:
      return {"STATIC", SS_OWNERDRAW, 0};
    case ControlKind::kEdit:
      return {"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
  }
  return {"STATIC", 0, 0};
}

}  // namespace

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
  if (songFont_) DeleteObject(songFont_);
}

bool MainWindow::Create(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kMainWindowIconId));
  windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kMainWindowIconId),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassExA(&windowClass)) return false;

  songFont_ =
      CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
  window_ = CreateWindowExA(0, kWindowClass, kMainWindowCaption,
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, left, top,
                            kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, this);
  if (!window_ || !CreateControls(instance)) return false;
  ShowPage(0);
  if (kMainWindowCreated) RunHandler(kMainWindowCreated);
  return true;
}

bool MainWindow::CreateControls(HINSTANCE instance) {
  HWND tabs = nullptr;
  for (int i = 0; i < kControlCount; ++i) {
    const ControlRow& row = kControls[i];
    const ClassAndStyle kind = WindowClassFor(row.kind);
    const bool onPage = row.page != kBelowTabs;
    DWORD style = WS_CHILD | kind.style;
    if (!onPage) style |= WS_VISIBLE;
    HWND child = CreateWindowExA(kind.exStyle, kind.className, row.caption, style, row.left,
                                 row.top, row.width, row.height, onPage ? tabs : window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)),
                                 instance, nullptr);
    if (!child) return false;
    controls_[i] = child;
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(row)), FALSE);
    if (row.kind == ControlKind::kTab) {
      tabs = child;
      // Narrow padding keeps all six tabs in one row with wider fonts too.
      SendMessageA(tabs, TCM_SETPADDING, 0, MAKELPARAM(4, 3));
      for (int page = 0; page < kPageCount; ++page) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kPageTitles[page]);
        SendMessageA(tabs, TCM_INSERTITEMA, page, reinterpret_cast<LPARAM>(&item));
      }
      // Page controls are children of the tab control; their notifications go
      // on to this window.
      SetWindowLongPtrA(tabs, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      g_tabProc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(tabs, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TabProc)));
    } else if (row.kind == ControlKind::kLabel &&
               (row.event != Event::kNone || (row.look & kHandPointer))) {
      g_labelProc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LabelProc)));
    }
  }
  return true;
}

HFONT MainWindow::FontFor(const ControlRow& row) const {
  if (row.look & kSongFont) return songFont_;
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The first paint comes from the message loop, like any other.
void MainWindow::Show(int showCommand) {
  ShowWindow(window_, showCommand);
}

void MainWindow::ShowPage(int page) {
  for (int i = 0; i < kControlCount; ++i) {
    if (kControls[i].page == kBelowTabs) continue;
    ShowWindow(controls_[i], kControls[i].page == page ? SW_SHOWNA : SW_HIDE);
  }
}

void MainWindow::Raise(Control control, Event event) {
  const ControlRow& row = kControls[static_cast<int>(control)];
  if (row.event == event && row.handler) RunHandler(row.handler);
}

// One handler at a time: an event that arrives while one runs starts nothing,
// and the window takes no input until it has ended.
void MainWindow::RunHandler(Handler handler) {
  if (busy_) return;
  busy_ = true;
  HWND focus = GetFocus();
  const bool wasEnabled = IsWindowEnabled(window_);
  EnableWindow(window_, FALSE);
  handler(system_, *this);
  if (actionRunning_) ShowProgress({}, 0, 0);
  if (wasEnabled) EnableWindow(window_, TRUE);
  if (focus && IsWindow(focus)) SetFocus(focus);
  busy_ = false;
  if (closeRequested_) DestroyWindow(window_);
}

void MainWindow::ShowProgress(const std::string& action, int step, int total) {
  std::string caption = kMainWindowCaption;
  if (!action.empty()) {
    caption += " - " + action + " " + Decimal(step) + "/" + Decimal(total);
  }
  SetWindowTextA(window_, caption.c_str());
  actionRunning_ = !action.empty();
}

void MainWindow::DrawLabel(const DRAWITEMSTRUCT& item) const {
  const ControlRow& row = RowOf(static_cast<int>(item.CtlID));
  char text[1024];
  GetWindowTextA(item.hwndItem, text, sizeof text);
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  // Transparent: what lies behind the label shows through its text.
  DrawThemeParentBackground(item.hwndItem, dc, &area);
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, FontFor(row));
  const UINT format =
      DT_LEFT | DT_NOPREFIX | ((row.look & kEngraved) ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
  if (row.look & kEngraved) {
    RECT raised = area;
    OffsetRect(&raised, -1, -1);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextA(dc, text, -1, &raised, format);
  }
  SetTextColor(dc, (row.look & kBlueText) ? kBlue : GetSysColor(COLOR_BTNTEXT));
  DrawTextA(dc, text, -1, &area, format);
  RestoreDC(dc, saved);
}

bool MainWindow::IsChecked(Control control) const {
  return SendMessageA(Child(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::SetChecked(Control control, bool checked) {
  SendMessageA(Child(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string MainWindow::Text(Control control) const {
  HWND child = Child(control);
  std::string text(GetWindowTextLengthA(child) + 1, '\0');
  text.resize(GetWindowTextA(child, text.data(), static_cast<int>(text.size())));
  return text;
}

void MainWindow::SetText(Control control, const std::string& text) {
  SetWindowTextA(Child(control), text.c_str());
}

void MainWindow::Close() {
  PostMessageA(window_, WM_CLOSE, 0, 0);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (IsControlId(id) && HIWORD(wParam) == BN_CLICKED) {
        Raise(RowOf(id).id, Event::kClick);
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == Child(Control::选择夹1) && header->code == TCN_SELCHANGE) {
        ShowPage(static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
      }
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (IsControlId(static_cast<int>(item->CtlID))) DrawLabel(*item);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HWND control = reinterpret_cast<HWND>(lParam);
      const int id = GetDlgCtrlID(control);
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (IsControlId(id) && (RowOf(id).look & kBlueText)) SetTextColor(dc, kBlue);
      SetBkMode(dc, TRANSPARENT);
      if (IsControlId(id) && RowOf(id).page != kBelowTabs) {
        // Page controls show the tab control's own background behind their text.
        DrawThemeParentBackground(control, dc, nullptr);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      }
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CLOSE:
      // Closing waits for the running action: it is never cut half done.
      if (busy_) {
        closeRequested_ = true;
        return 0;
      }
      DestroyWindow(window_);
      return 0;
    case WM_QUERYENDSESSION:
      // Logging off or shutting down would cut the command that is running.
      return actionRunning_ ? FALSE : TRUE;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self || !self->window_) return DefWindowProcA(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::TabProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return SendMessageA(GetParent(window), message, wParam, lParam);
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return CallWindowProcA(g_tabProc, window, message, wParam, lParam);
  switch (message) {
    case WM_PRINTCLIENT:
      if (lParam != PRF_CLIENT) break;
      self->tabPrint_.Print(window, g_tabProc, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
    case WM_NOTIFY:
      break;  // what page controls send while they paint; the tab control looks the same
    default:
      self->tabPrint_.Forget();
  }
  return CallWindowProcA(g_tabProc, window, message, wParam, lParam);
}

// Labels with an event act when the left button goes down, not on release.
LRESULT CALLBACK MainWindow::LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int id = GetDlgCtrlID(window);
  if (IsControlId(id)) {
    const ControlRow& row = RowOf(id);
    if (message == WM_NCHITTEST) return HTCLIENT;  // statics are transparent to the mouse otherwise
    if (message == WM_SETCURSOR && (row.look & kHandPointer)) {
      SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
      return TRUE;
    }
    if (message == WM_LBUTTONDOWN) {
      if (MainWindow* self = InstanceOf(window)) self->Raise(row.id, Event::kLeftButtonDown);
      return 0;
    }
  }
  return CallWindowProcA(g_labelProc, window, message, wParam, lParam);
}

}  // namespace kelvaro
