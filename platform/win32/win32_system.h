// System over the Win32 ANSI calls. Holds no state: every call acquires and
// releases its handles itself.
#pragma once

#include "platform/system.h"

namespace kelvaro {

// Where a long action's progress is shown (the main window).
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  virtual void ShowProgress(const std::string& action, int step, int total) = 0;
};

class Win32System : public System {
 public:
  void SetProgressDisplay(ProgressDisplay* display) { progressDisplay_ = display; }

  CommandResult RunCommand(const std::string& commandLine, bool wait,
                           std::optional<int> windowMode) override;
  bool OpenWithShell(std::optional<int> operation, const std::string& document) override;
  bool OpenUrl(const std::string& url) override;
  bool WriteRegistryText(int root, const std::string& path, const std::string& value) override;
  bool WriteFileBytes(const std::string& path, std::string_view bytes) override;
  bool CreateFolder(const std::string& path) override;
  int ShowMessage(const std::string& text, int style, const std::string& title) override;
  ScreenSize GetScreenSize() override;
  DisplayMode GetDisplayMode() override;
  bool SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate) override;
  bool ShutDownSystem(int mode, bool force) override;
  void EjectCdTray() override;
  void CloseCdTray() override;
  std::string BrowseForFolder(const std::string& title) override;

  std::optional<std::string> ReadFileBytes(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  bool DriveExists(char letter) override;
  std::string GetShortPath(const std::string& path) override;
  std::string GetEnvironmentText(const std::string& name) override;
  ServiceState QueryServiceState(const std::string& name) override;

  bool ChangeDisplayMode(const DisplayMode& mode, DisplayChange how) override;
  bool AskToKeepDisplayMode(int seconds) override;
  void ShowProgress(const std::string& action, int step, int total) override;

 private:
  ProgressDisplay* progressDisplay_ = nullptr;
};

}  // namespace kelvaro
