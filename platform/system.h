// The operations through which every action reaches the operating system.
// Texts are GBK byte strings, passed unchanged to the ANSI Win32 calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// Registry roots as the actions number them.
enum RegistryRoot : int {
  kClassesRoot = 1,
  kCurrentConfig = 2,
  kCurrentUser = 3,
  kLocalMachine = 4,
  kUsers = 5,
};

// Window modes of RunCommand; an omitted mode shows the program normally.
enum WindowMode : int {
  kHidden = 1,
  kShowNormal = 2,
  kShowMinimized = 3,
  kShowMaximized = 4,
  kShowNoActivate = 5,
  kMinimize = 6,
};

// Shell operations of OpenWithShell; an omitted one uses the document's default action.
enum ShellOperation : int {
  kVerbEdit = 1,
  kVerbExplore = 2,
  kVerbFind = 3,
  kVerbOpen = 4,
  kVerbPrint = 5,
};

// Message-box styles the actions use.
enum MessageStyle : int {
  kErrorIcon = 16,
  kWarningIcon = 48,
  kInformationIcon = 64,
};

enum ShutDownMode : int {
  kPowerOff = 1,
  kRestart = 2,
  kLogOff = 3,
  kSuspend = 4,
  kHibernate = 5,
};

struct DisplayMode {
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitsPerPixel = 0;
  int32_t refreshRate = 0;
  friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

// What RunCommand knows: whether the process started and, when it was waited
// for, its exit code.
struct CommandResult {
  bool started = false;
  uint32_t exitCode = 0;
  friend bool operator==(const CommandResult&, const CommandResult&) = default;
};

// How ChangeDisplayMode applies a mode: only ask whether it would work, switch
// for this session, or switch and store it in the user's settings.
enum class DisplayChange { kTest, kForSession, kStore };

enum class ServiceState { kUnknown, kStopped, kRunning };

class System {
 public:
  virtual ~System() = default;

  // Starts the command line (no shell involved). With wait, returns when the
  // process has ended, with its exit code; otherwise after it is idle (1 s at most).
  virtual CommandResult RunCommand(const std::string& commandLine, bool wait,
                                   std::optional<int> windowMode) = 0;
  // Opens a document through the shell; true when the shell started something.
  virtual bool OpenWithShell(std::optional<int> operation, const std::string& document) = 0;
  virtual bool OpenUrl(const std::string& url) = 0;
  // Writes a REG_SZ value; the path ends in the value name (after its last backslash).
  virtual bool WriteRegistryText(int root, const std::string& path, const std::string& value) = 0;
  // Writes the whole file or nothing: an old file stays as it was when the write fails.
  virtual bool WriteFileBytes(const std::string& path, std::string_view bytes) = 0;
  // Creates one folder level; false when it exists already or cannot be made.
  virtual bool CreateFolder(const std::string& path) = 0;
  // Task-modal message box without owner; an empty title shows "信息：".
  virtual int ShowMessage(const std::string& text, int style, const std::string& title) = 0;
  virtual ScreenSize GetScreenSize() = 0;
  virtual DisplayMode GetDisplayMode() = 0;
  // Switches at once and stores the mode; only non-zero fields are given.
  virtual bool SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate) = 0;
  virtual bool ShutDownSystem(int mode, bool force) = 0;
  virtual void EjectCdTray() = 0;
  virtual void CloseCdTray() = 0;
  // Lets the user pick a folder; empty when cancelled.
  virtual std::string BrowseForFolder(const std::string& title) = 0;

  // Read-only questions the actions ask to judge their outcome.
  virtual std::optional<std::string> ReadFileBytes(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  virtual bool DriveExists(char letter) = 0;
  // The 8.3 form of an existing path as the file system reports it; empty when none.
  virtual std::string GetShortPath(const std::string& path) = 0;
  virtual std::string GetEnvironmentText(const std::string& name) = 0;
  virtual ServiceState QueryServiceState(const std::string& name) = 0;

  // Display changes beyond SetDisplayMode: test, session-only switch, store.
  virtual bool ChangeDisplayMode(const DisplayMode& mode, DisplayChange how) = 0;
  // Asks whether to keep the display mode now in effect, counting down the
  // given seconds; false when the user reverts, closes or lets time run out.
  virtual bool AskToKeepDisplayMode(int seconds) = 0;

  // Tells the user how far a long action has come: "服务优化 12/82". An empty
  // action ends the display.
  virtual void ShowProgress(const std::string& action, int step, int total) = 0;
};

}  // namespace kelvaro
