// End-to-end test harness: a MinGW program that runs inside the sandboxed test
// prefix, starts the real kelvaro.exe, acts on it as a user would and reads the
// effects back. Texts are GBK, like the program's own.
#pragma once

#include <windows.h>

#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "actions/form.h"

namespace e2e {

// ---- Cases and checks -------------------------------------------------------

using CaseFunction = void (*)();
struct CaseRegistrar {
  CaseRegistrar(const char* name, CaseFunction function);
};

// Defines a case; CMake registers it as the ctest test "e2e.<name>".
#define E2E_CASE(name)                                             \
  static void name();                                              \
  static const ::e2e::CaseRegistrar name##_registrar(#name, name); \
  static void name()

struct CaseAborted {};

void Fail(const char* file, int line, const std::string& message);
// Readable form of a GBK text for failure messages: UTF-8, control bytes escaped.
std::string Show(const std::string& text);
std::string Show(const std::vector<std::string>& lines);
inline std::string Show(const char* text) {
  return Show(std::string(text));
}
template <typename T>
requires std::is_arithmetic_v<T> std::string Show(T number) {
  return std::to_string(number);
}
template <typename T>
std::string Show(const std::optional<T>& value) {
  return value ? Show(*value) : std::string("(none)");
}
// Values of other types are compared but not printed.
template <typename T>
requires(!std::is_arithmetic_v<T>) std::string Show(const T&) {
  return "(a value of another type)";
}

template <typename A, typename B>
bool CheckEqual(const A& actual, const B& expected, const char* actualText,
                const char* expectedText, const char* file, int line) {
  if (actual == expected) return true;
  std::ostringstream message;
  message << "CHECK_EQ(" << actualText << ", " << expectedText
          << ")\n    actual:   " << Show(actual) << "\n    expected: " << Show(expected);
  Fail(file, line, message.str());
  return false;
}

#define CHECK(condition) \
  ((condition) ? (void)0 : ::e2e::Fail(__FILE__, __LINE__, "CHECK(" #condition ")"))
#define CHECK_EQ(actual, expected) \
  ::e2e::CheckEqual((actual), (expected), #actual, #expected, __FILE__, __LINE__)
#define REQUIRE(condition)                                        \
  do {                                                            \
    if (!(condition)) {                                           \
      ::e2e::Fail(__FILE__, __LINE__, "REQUIRE(" #condition ")"); \
      throw ::e2e::CaseAborted{};                                 \
    }                                                             \
  } while (0)

// ---- The program under test -------------------------------------------------

inline constexpr char kProgramFolder[] = "C:\\kelvaro";

struct LaunchOptions {
  // Names of programs to record: a copy of the recording stub is put beside
  // kelvaro.exe as "<name>.exe" and found before the system's own.
  std::vector<std::string> stubs;
  // Exit codes of the stubs: "substring=code;..." — the first rule whose
  // substring occurs in the command line wins; no match exits 0.
  std::string stubExitCodes;
  // How long each stub runs before it exits.
  int stubDelayMs = 0;
};

struct MessageBoxSeen {
  bool found = false;
  std::string title;
  std::string text;
  int icon = 0;  // 16 error, 32 question, 48 warning, 64 information, 0 none or unknown
};

class Program {
 public:
  // Starts C:\kelvaro\kelvaro.exe (current folder C:\kelvaro) and waits for
  // its main window; the case fails if it does not appear.
  static Program Launch(const LaunchOptions& options = {});
  ~Program();
  Program(Program&& other) noexcept;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND main() const { return main_; }
  DWORD pid() const { return pid_; }
  bool Running() const;
  bool WaitForExit(int milliseconds);

  // Controls: by their name in the program, or by caption (the n-th of equal ones).
  HWND Get(kelvaro::Control control) const;
  HWND ByCaption(const std::string& caption, int nth = 0) const;
  void SelectPage(int page);
  int CurrentPage() const;

  // Acting as a user. A click returns once it has been handled, or after half a
  // second when its handler opens a modal window or runs long.
  void Click(HWND control);
  void Click(kelvaro::Control control) { Click(Get(control)); }
  void Click(const std::string& caption) { Click(ByCaption(caption)); }
  void PressLeftButton(HWND control);  // button down only, no release
  bool IsChecked(HWND control) const;
  bool IsChecked(kelvaro::Control control) const { return IsChecked(Get(control)); }
  void SetChecked(kelvaro::Control control, bool checked);
  std::string Text(HWND window) const;
  std::string Text(kelvaro::Control control) const { return Text(Get(control)); }
  void SetText(HWND window, const std::string& text);
  bool Answers(int timeoutMs = 1000) const;  // the main window answers WM_NULL in time

  // Waits for a message box of the program, reads it and presses OK.
  MessageBoxSeen WaitForMessageBox(int timeoutMs = 30000);
  // A top-level window of the program with this caption, or nullptr.
  HWND FindTopLevel(const std::string& caption, int timeoutMs = 10000) const;

 private:
  Program() = default;
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
};

// Waits for a message box of any process (the driver's own included), reads it
// and presses OK.
MessageBoxSeen WaitForMessageBoxOf(DWORD pid, int timeoutMs = 30000);
// The titles of the tabs of a tab control of another process.
std::vector<std::string> TabTitles(HWND tabs);
// The window that has the keyboard focus in the program's user-interface thread.
HWND FocusOf(HWND window);

// ---- Effects ------------------------------------------------------------------

// The command lines the stubs recorded since the program was launched, in order.
std::vector<std::string> StubLog();

std::optional<std::string> ReadRegistryText(HKEY root, const std::string& key,
                                            const std::string& value);
bool WriteRegistryText(HKEY root, const std::string& key, const std::string& value,
                       const std::string& text);
void DeleteRegistryKey(HKEY root, const std::string& key);

std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
void MakeFolders(const std::string& path);
void RemoveTree(const std::string& path);
// Runs a command line hidden and returns its exit code (-1 when it cannot start).
int RunAndWait(const std::string& commandLine, int timeoutMs = 60000);
void Sleep(int milliseconds);

}  // namespace e2e
