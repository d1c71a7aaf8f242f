// A System that records every call that would change something, in order,
// with its arguments, and answers from scripted state.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/system.h"

namespace kelvaro::testing {

// One recorded call: the operation's name and its arguments as text.
struct Call {
  std::string op;
  std::vector<std::string> args;
  friend bool operator==(const Call&, const Call&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Call& call) {
    out << call.op << "(";
    for (size_t i = 0; i < call.args.size(); ++i)
      out << (i ? ", " : "") << "[" << call.args[i] << "]";
    return out << ")";
  }
};

// Expected calls, written the way the actions make them.
inline Call Run(const std::string& line, bool wait = true, std::optional<int> mode = kHidden) {
  return {"RunCommand", {line, wait ? "wait" : "nowait", mode ? std::to_string(*mode) : "-"}};
}
inline Call Shell(std::optional<int> operation, const std::string& document) {
  return {"OpenWithShell", {operation ? std::to_string(*operation) : "-", document}};
}
inline Call Url(const std::string& url) {
  return {"OpenUrl", {url}};
}
inline Call WriteReg(int root, const std::string& path, const std::string& value) {
  return {"WriteRegistryText", {std::to_string(root), path, value}};
}
inline Call WriteFile(const std::string& path, std::string_view bytes) {
  return {"WriteFileBytes", {path, std::string(bytes)}};
}
inline Call MakeFolder(const std::string& path) {
  return {"CreateFolder", {path}};
}
inline Call Message(const std::string& text, int style, const std::string& title = {}) {
  return {"ShowMessage", {text, std::to_string(style), title}};
}
inline Call SetMode(int width, int height, int bits, int rate) {
  return {
      "SetDisplayMode",
      {std::to_string(width), std::to_string(height), std::to_string(bits), std::to_string(rate)}};
}
inline Call ChangeMode(const DisplayMode& mode, DisplayChange how) {
  static constexpr const char* kHow[] = {"test", "session", "store"};
  return {
      "ChangeDisplayMode",
      {std::to_string(mode.width), std::to_string(mode.height), std::to_string(mode.bitsPerPixel),
       std::to_string(mode.refreshRate), kHow[static_cast<int>(how)]}};
}
inline Call AskKeep(int seconds) {
  return {"AskToKeepDisplayMode", {std::to_string(seconds)}};
}
inline Call ShutDown(int mode, bool force = false) {
  return {"ShutDownSystem", {std::to_string(mode), force ? "force" : "-"}};
}
inline Call Eject() {
  return {"EjectCdTray", {}};
}
inline Call CloseTray() {
  return {"CloseCdTray", {}};
}
inline Call Browse(const std::string& title) {
  return {"BrowseForFolder", {title}};
}

class FakeSystem : public System {
 public:
  std::vector<Call> calls;
  // Progress reports, kept apart from the calls: "服务优化 12/82", "" at the end.
  std::vector<std::string> progress;

  // Scripted answers.
  std::function<CommandResult(const std::string& line)> runResult = [](const std::string&) {
    return CommandResult{true, 0};
  };
  std::function<bool(const std::string& path)> writeFileSucceeds = [](const std::string&) {
    return true;
  };
  std::function<bool(int root, const std::string& path)> writeRegistrySucceeds =
      [](int, const std::string&) { return true; };
  bool shellSucceeds = true;
  bool urlSucceeds = true;
  bool shutDownSucceeds = true;
  std::string browseAnswer;
  bool keepAnswer = false;
  ScreenSize screen{1024, 768};
  DisplayMode displayMode{1024, 768, 32, 60};
  std::function<bool(const DisplayMode&, DisplayChange)> changeSucceeds =
      [](const DisplayMode&, DisplayChange) { return true; };
  bool setDisplayModeSucceeds = true;

  // The machine as the fake sees it; writes that succeed change it.
  std::map<std::string, std::string> files;
  std::map<std::pair<int, std::string>, std::string> registry;
  std::set<std::string> folders;
  std::set<char> drives{'C', 'D'};
  std::map<std::string, std::string> shortPaths;
  std::map<std::string, std::string> environment;
  std::map<std::string, ServiceState> services;

  CommandResult RunCommand(const std::string& line, bool wait,
                           std::optional<int> windowMode) override {
    calls.push_back(
        {"RunCommand",
         {line, wait ? "wait" : "nowait", windowMode ? std::to_string(*windowMode) : "-"}});
    return runResult(line);
  }
  bool OpenWithShell(std::optional<int> operation, const std::string& document) override {
    calls.push_back(Shell(operation, document));
    return shellSucceeds;
  }
  bool OpenUrl(const std::string& url) override {
    calls.push_back(Url(url));
    return urlSucceeds;
  }
  bool WriteRegistryText(int root, const std::string& path, const std::string& value) override {
    calls.push_back(WriteReg(root, path, value));
    if (!writeRegistrySucceeds(root, path)) return false;
    registry[{root, path}] = value;
    return true;
  }
  bool WriteFileBytes(const std::string& path, std::string_view bytes) override {
    calls.push_back(WriteFile(path, bytes));
    if (path.empty() || !writeFileSucceeds(path)) return false;
    files[path] = std::string(bytes);
    return true;
  }
  bool CreateFolder(const std::string& path) override {
    calls.push_back(MakeFolder(path));
    return folders.insert(path).second;
  }
  int ShowMessage(const std::string& text, int style, const std::string& title) override {
    calls.push_back(Message(text, style, title));
    return 1;
  }
  ScreenSize GetScreenSize() override { return screen; }
  DisplayMode GetDisplayMode() override { return displayMode; }
  bool SetDisplayMode(int width, int height, int bits, int rate) override {
    calls.push_back(SetMode(width, height, bits, rate));
    return setDisplayModeSucceeds;
  }
  bool ShutDownSystem(int mode, bool force) override {
    calls.push_back(ShutDown(mode, force));
    return shutDownSucceeds;
  }
  void EjectCdTray() override { calls.push_back(Eject()); }
  void CloseCdTray() override { calls.push_back(CloseTray()); }
  std::string BrowseForFolder(const std::string& title) override {
    calls.push_back(Browse(title));
    return browseAnswer;
  }

  std::optional<std::string> ReadFileBytes(const std::string& path) override {
    auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  bool FolderExists(const std::string& path) override { return folders.count(path) > 0; }
  bool DriveExists(char letter) override {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    return drives.count(letter) > 0;
  }
  std::string GetShortPath(const std::string& path) override {
    auto found = shortPaths.find(path);
    return found == shortPaths.end() ? std::string() : found->second;
  }
  std::string GetEnvironmentText(const std::string& name) override {
    auto found = environment.find(name);
    return found == environment.end() ? std::string() : found->second;
  }
  ServiceState QueryServiceState(const std::string& name) override {
    auto found = services.find(name);
    return found == services.end() ? ServiceState::kUnknown : found->second;
  }
  bool ChangeDisplayMode(const DisplayMode& mode, DisplayChange how) override {
    calls.push_back(ChangeMode(mode, how));
    const bool ok = changeSucceeds(mode, how);
    if (ok && how != DisplayChange::kTest) {
      displayMode = mode;
      screen = {mode.width, mode.height};
    }
    return ok;
  }
  bool AskToKeepDisplayMode(int seconds) override {
    calls.push_back(AskKeep(seconds));
    return keepAnswer;
  }
  void ShowProgress(const std::string& action, int step, int total) override {
    progress.push_back(action.empty()
                           ? std::string()
                           : action + " " + std::to_string(step) + "/" + std::to_string(total));
  }

  // The recorded calls of one operation only.
  std::vector<Call> CallsOf(const std::string& op) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
      if (call.op == op) found.push_back(call);
    }
    return found;
  }
};

}  // namespace kelvaro::testing
