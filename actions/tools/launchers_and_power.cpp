// The launchers, power and tray buttons: one call each, silent on success.
#include <string>

#include "actions/tools/tools_page.h"

namespace kelvaro {
namespace {

// The program or document a target starts, without its arguments.
std::string FirstWord(const char* target) {
  const std::string text = target;
  return text.substr(0, text.find(' '));
}

}  // namespace

void LaunchTool(System& system, const ToolLauncher& tool) {
  const bool started = tool.how == StartWith::kRunCommand
                           ? system.RunCommand(tool.target, false, std::nullopt).started
                           : system.OpenWithShell(tool.operation, tool.target);
  if (started) return;
  system.ShowMessage(std::string("无法启动“") + tool.caption + "”（" + FirstWord(tool.target) +
                         "），这台电脑上可能没有这个工具。",
                     kErrorIcon, {});
}

void RequestShutDown(System& system, const PowerButton& button) {
  if (system.ShutDownSystem(button.mode, false)) return;
  system.ShowMessage(
      std::string("系统拒绝了") + button.request + "请求，当前用户可能没有这个权限。", kErrorIcon,
      {});
}

void OpenDriveTray(System& system, Form&) {
  system.EjectCdTray();
}
void CloseDriveTray(System& system, Form&) {
  system.CloseCdTray();
}

}  // namespace kelvaro
