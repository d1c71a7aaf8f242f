#include "tests/e2e/harness.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <cstdio>
#include <map>

#include "app/control_table.h"

namespace e2e {
namespace {

constexpr char kStubLog[] = "C:\\kelvaro\\stub-log.txt";
constexpr char kMainCaption[] = "Kelvaro v1.0";
// Files of the program folder that are not stubs.
const char* const kOwnFiles[] = {"kelvaro.exe", "driver.exe", "stub.exe", "bare_window.exe"};

std::map<std::string, CaseFunction>& Cases() {
  static std::map<std::string, CaseFunction> cases;
  return cases;
}

int g_failures = 0;

std::string ToUtf8(const std::string& gbk) {
  const int wide =
      MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring buffer(wide, L'\0');
  MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), buffer.data(), wide);
  const int narrow =
      WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(narrow, '\0');
  WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, out.data(), narrow, nullptr, nullptr);
  return out;
}

void RemoveStubs() {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("C:\\kelvaro\\*.exe", &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    bool own = false;
    for (const char* name : kOwnFiles)
      own = own || lstrcmpiA(found.cFileName, name) == 0;
    if (!own) DeleteFileA((std::string(kProgramFolder) + "\\" + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

struct WindowSearch {
  DWORD pid;
  std::string caption;
  std::string className;
  HWND found = nullptr;
};

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
    return {};
  }
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied);
  return text;
}

BOOL CALLBACK FindTopLevelOf(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->pid || !IsWindowVisible(window)) return TRUE;
  if (!search->className.empty() && ClassOf(window) != search->className) return TRUE;
  if (!search->caption.empty() && TextOf(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitForTopLevel(DWORD pid, const std::string& caption, const std::string& className,
                     int timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    WindowSearch search{pid, caption, className};
    EnumWindows(FindTopLevelOf, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    ::Sleep(20);
  } while (static_cast<int>(GetTickCount() - start) < timeoutMs);
  return nullptr;
}

struct ChildSearch {
  std::string caption;
  int id = 0;
  int nth = 0;
  HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<ChildSearch*>(parameter);
  const bool match =
      search->id ? GetDlgCtrlID(window) == search->id : TextOf(window) == search->caption;
  if (match && search->nth-- == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// ---- Which icon a message box shows, told by its pixels ----

std::vector<COLORREF> Capture(HDC source, int x, int y, int size) {
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, size, size);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, size, size, source, x, y, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int row = 0; row < size; ++row) {
    for (int col = 0; col < size; ++col)
      pixels.push_back(GetPixel(memory, col, row));
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

// The pixels of a system icon drawn on a white and on a black ground: where
// both agree, the icon is opaque.
struct IconPicture {
  std::vector<COLORREF> onWhite, onBlack;
};

IconPicture Draw(LPCSTR icon, int size) {
  HDC screen = GetDC(nullptr);
  IconPicture picture;
  for (COLORREF ground : {RGB(255, 255, 255), RGB(0, 0, 0)}) {
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, size, size};
    HBRUSH brush = CreateSolidBrush(ground);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, LoadIconA(nullptr, icon), size, size, 0, nullptr, DI_NORMAL);
    (ground == RGB(0, 0, 0) ? picture.onBlack : picture.onWhite) = Capture(memory, 0, 0, size);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
  }
  ReleaseDC(nullptr, screen);
  return picture;
}

int IdentifyIcon(HWND iconControl) {
  if (!iconControl) return 0;
  RECT area;
  GetWindowRect(iconControl, &area);
  const int size = GetSystemMetrics(SM_CXICON);
  HDC screen = GetDC(nullptr);
  const std::vector<COLORREF> shown = Capture(screen, area.left, area.top, size);
  ReleaseDC(nullptr, screen);
  const std::pair<int, LPCSTR> candidates[] = {
      {16, MAKEINTRESOURCEA(32513)},  // IDI_HAND
      {32, MAKEINTRESOURCEA(32514)},  // IDI_QUESTION
      {48, MAKEINTRESOURCEA(32515)},  // IDI_EXCLAMATION
      {64, MAKEINTRESOURCEA(32516)},  // IDI_ASTERISK
  };
  int best = 0;
  double bestScore = 0.9;  // at least nine in ten opaque pixels must agree
  for (const auto& [style, icon] : candidates) {
    const IconPicture picture = Draw(icon, size);
    int opaque = 0, same = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
      if (picture.onWhite[i] != picture.onBlack[i]) continue;
      ++opaque;
      if (picture.onWhite[i] == shown[i]) ++same;
    }
    const double score = opaque ? static_cast<double>(same) / opaque : 0;
    if (score > bestScore) {
      bestScore = score;
      best = style;
    }
  }
  return best;
}

BOOL CALLBACK CollectChildren(HWND window, LPARAM parameter) {
  reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
  return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectChildren, reinterpret_cast<LPARAM>(&children));
  return children;
}

}  // namespace

CaseRegistrar::CaseRegistrar(const char* name, CaseFunction function) {
  Cases()[name] = function;
}

void Fail(const char* file, int line, const std::string& message) {
  ++g_failures;
  std::string where = file;
  const size_t slash = where.find_last_of("/\\");
  if (slash != std::string::npos) where = where.substr(slash + 1);
  std::printf("%s:%d: %s\n", where.c_str(), line, ToUtf8(message).c_str());
  std::fflush(stdout);
}

std::string Show(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\t')
      out += "\\t";
    else if (c < 0x20)
      out += "\\x" + std::string(1, "0123456789ABCDEF"[c >> 4]) + "0123456789ABCDEF"[c & 15];
    else
      out += static_cast<char>(c);
  }
  return out + "\"";
}

std::string Show(const std::vector<std::string>& lines) {
  std::string out = "{";
  for (size_t i = 0; i < lines.size(); ++i)
    out += (i ? ",\n               " : "") + Show(lines[i]);
  return out + "} (" + std::to_string(lines.size()) + " lines)";
}

// ---- Program ----

Program Program::Launch(const LaunchOptions& options) {
  RemoveStubs();
  DeleteFileA(kStubLog);
  for (const std::string& name : options.stubs) {
    const std::string target = std::string(kProgramFolder) + "\\" + name + ".exe";
    if (!CopyFileA("C:\\kelvaro\\stub.exe", target.c_str(), FALSE)) {
      Fail(__FILE__, __LINE__, "cannot place the stub " + target);
    }
  }
  SetEnvironmentVariableA("KELVARO_STUB_LOG", kStubLog);
  SetEnvironmentVariableA("KELVARO_STUB_EXIT", options.stubExitCodes.c_str());
  SetEnvironmentVariableA("KELVARO_STUB_DELAY_MS", std::to_string(options.stubDelayMs).c_str());

  Program program;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  char commandLine[] = "C:\\kelvaro\\kelvaro.exe";
  if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, kProgramFolder,
                      &startup, &process)) {
    Fail(__FILE__, __LINE__, "cannot start kelvaro.exe");
    throw CaseAborted{};
  }
  CloseHandle(process.hThread);
  program.process_ = process.hProcess;
  program.pid_ = process.dwProcessId;
  program.main_ = WaitForTopLevel(program.pid_, kMainCaption, "", 30000);
  if (!program.main_) {
    Fail(__FILE__, __LINE__, "the main window did not appear");
    throw CaseAborted{};
  }
  return program;
}

Program::Program(Program&& other) noexcept
    : process_(other.process_), pid_(other.pid_), main_(other.main_) {
  other.process_ = nullptr;
}

Program::~Program() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
  RemoveStubs();
}

bool Program::Running() const {
  return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(int milliseconds) {
  return WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

HWND Program::Get(kelvaro::Control control) const {
  ChildSearch search{{}, kelvaro::kFirstControlId + static_cast<int>(control)};
  EnumChildWindows(main_, FindChild, reinterpret_cast<LPARAM>(&search));
  if (!search.found) {
    Fail(__FILE__, __LINE__, "no control with id " + std::to_string(search.id));
    throw CaseAborted{};
  }
  return search.found;
}

HWND Program::ByCaption(const std::string& caption, int nth) const {
  ChildSearch search{caption, 0, nth};
  EnumChildWindows(main_, FindChild, reinterpret_cast<LPARAM>(&search));
  if (!search.found) {
    Fail(__FILE__, __LINE__, "no control captioned " + Show(caption));
    throw CaseAborted{};
  }
  return search.found;
}

void Program::SelectPage(int page) {
  HWND tabs = Get(kelvaro::Control::选择夹1);
  // Without the button style, moving the focus item changes the selection and
  // notifies the window, as a click on the tab would.
  SendMessageA(tabs, TCM_SETCURFOCUS, page, 0);
  if (CurrentPage() != page) Fail(__FILE__, __LINE__, "cannot select page " + std::to_string(page));
}

int Program::CurrentPage() const {
  return static_cast<int>(SendMessageA(Get(kelvaro::Control::选择夹1), TCM_GETCURSEL, 0, 0));
}

// Sent, so a quick click has been handled when this returns; a handler that
// opens a modal window or runs long is left to go on after half a second.
void Program::Click(HWND control) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_NORMAL, 500, &result);
}

void Program::PressLeftButton(HWND control) {
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
}

bool Program::IsChecked(HWND control) const {
  return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Program::SetChecked(kelvaro::Control control, bool checked) {
  HWND box = Get(control);
  if (IsChecked(box) != checked) {
    SendMessageA(box, BM_CLICK, 0, 0);
  }
  if (IsChecked(box) != checked)
    Fail(__FILE__, __LINE__, "cannot set the check of " + Show(Text(box)));
}

std::string Program::Text(HWND window) const {
  return TextOf(window);
}

void Program::SetText(HWND window, const std::string& text) {
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Program::Answers(int timeoutMs) const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

HWND Program::FindTopLevel(const std::string& caption, int timeoutMs) const {
  return WaitForTopLevel(pid_, caption, "", timeoutMs);
}

MessageBoxSeen Program::WaitForMessageBox(int timeoutMs) {
  return WaitForMessageBoxOf(pid_, timeoutMs);
}

MessageBoxSeen WaitForMessageBoxOf(DWORD pid, int timeoutMs) {
  MessageBoxSeen seen;
  HWND box = WaitForTopLevel(pid, "", "#32770", timeoutMs);
  if (!box) return seen;
  seen.found = true;
  HWND iconControl = nullptr;
  // The box can be visible before its title and text are set: read again for a moment.
  for (int attempt = 0; attempt < 40; ++attempt) {
    seen.title = TextOf(box);
    seen.text.clear();
    for (HWND child : ChildrenOf(box)) {
      if (ClassOf(child) != "Static") continue;
      if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        iconControl = child;
      } else if (seen.text.empty()) {
        seen.text = TextOf(child);
      }
    }
    if (!seen.title.empty() && !seen.text.empty()) break;
    ::Sleep(50);
  }
  // The box may not have painted yet: look again for a moment.
  for (int attempt = 0; attempt < 40 && seen.icon == 0 && iconControl; ++attempt) {
    ::Sleep(50);
    seen.icon = IdentifyIcon(iconControl);
  }
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  for (int i = 0; i < 250 && IsWindow(box); ++i)
    ::Sleep(20);
  return seen;
}

std::vector<std::string> TabTitles(HWND tabs) {
  std::vector<std::string> titles;
  DWORD pid = 0;
  GetWindowThreadProcessId(tabs, &pid);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return titles;
  // The item and its text buffer must lie in the program's own memory.
  constexpr size_t kTextSize = 256;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(TCITEMA) + kTextSize, MEM_COMMIT, PAGE_READWRITE));
  const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count && remote; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = remote + sizeof(TCITEMA);
    item.cchTextMax = kTextSize;
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(remote));
    char text[kTextSize] = "";
    ReadProcessMemory(process, remote + sizeof(TCITEMA), text, kTextSize - 1, nullptr);
    titles.push_back(text);
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return titles;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// ---- Effects ----

std::vector<std::string> StubLog() {
  std::vector<std::string> lines;
  const std::optional<std::string> log = ReadFileBytes(kStubLog);
  if (!log) return lines;
  size_t start = 0;
  for (size_t end; (end = log->find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(log->substr(start, end - start));
  }
  return lines;
}

std::optional<std::string> ReadRegistryText(HKEY root, const std::string& key,
                                            const std::string& value) {
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0, size = 0;
  std::optional<std::string> text;
  if (RegQueryValueExA(handle, value.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::string buffer(size, '\0');
    RegQueryValueExA(handle, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                     &size);
    while (!buffer.empty() && buffer.back() == '\0')
      buffer.pop_back();
    text = buffer;
  }
  RegCloseKey(handle);
  return text;
}

bool WriteRegistryText(HKEY root, const std::string& key, const std::string& value,
                       const std::string& text) {
  HKEY handle;
  if (RegCreateKeyA(root, key.c_str(), &handle) != ERROR_SUCCESS) return false;
  const bool ok =
      RegSetValueExA(handle, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     text.size() + 1) == ERROR_SUCCESS;
  RegCloseKey(handle);
  return ok;
}

void DeleteRegistryKey(HKEY root, const std::string& key) {
  SHDeleteKeyA(root, key.c_str());
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string contents;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    contents.append(buffer, read);
  }
  CloseHandle(file);
  return contents;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), bytes.size(), &written, nullptr) && written == bytes.size();
  CloseHandle(file);
  return ok;
}

bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFolders(const std::string& path) {
  for (size_t at = path.find('\\', 3);; at = path.find('\\', at + 1)) {
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    if (at == std::string::npos) break;
  }
}

void RemoveTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileA(path.c_str());
    return;
  }
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") RemoveTree(path + "\\" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

int RunAndWait(const std::string& commandLine, int timeoutMs) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, kProgramFolder,
                      &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, timeoutMs);
  DWORD code = static_cast<DWORD>(-1);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

void Sleep(int milliseconds) {
  ::Sleep(milliseconds);
}

}  // namespace e2e

// The driver: runs the case named on its command line.
int main(int argc, char** argv) {
  if (argc < 2) {
    for (const auto& [name, function] : e2e::Cases())
      std::printf("%s\n", name.c_str());
    return 0;
  }
  // For `make run` without a display: where the main window is, and closing it.
  const std::string command = argv[1];
  if (command == "--main-window-rect" || command == "--close-main-window") {
    HWND main = nullptr;
    for (int i = 0; i < 1500 && !main; ++i) {
      main = FindWindowA("KelvaroMainWindow", "Kelvaro v1.0");
      if (!main) ::Sleep(20);
    }
    if (!main) return 1;
    if (command == "--close-main-window") {
      PostMessageA(main, WM_CLOSE, 0, 0);
      return 0;
    }
    ::Sleep(500);  // let it paint
    RECT frame;
    GetWindowRect(main, &frame);
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left,
                frame.top);
    return 0;
  }
  const auto found = e2e::Cases().find(argv[1]);
  if (found == e2e::Cases().end()) {
    std::printf("no case named %s\n", argv[1]);
    return 2;
  }
  try {
    found->second();
  } catch (const e2e::CaseAborted&) {
  }
  std::printf("%s: %s\n", argv[1], e2e::g_failures ? "FAILED" : "passed");
  return e2e::g_failures ? 1 : 0;
}
