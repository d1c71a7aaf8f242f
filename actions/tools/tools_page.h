// The page 小工具 and the power and tray buttons below the pages: fifteen tool
// launchers, 生成ADSL, shut-down, restart, log-off and the CD tray.
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <utility>

#include "actions/handler.h"

namespace kelvaro {

enum class StartWith { kRunCommand, kOpenWithShell };

// A button that starts one of the system's own tools, shown normally and not
// waited for.
struct ToolLauncher {
  Control button;
  const char* caption;  // also names the tool when it cannot be started
  StartWith how;
  std::optional<int> operation;  // shell operation; none: the document's default action
  const char* target;            // the command line, or the document to open
};

inline constexpr ToolLauncher kToolLaunchers[] = {
    {Control::按钮11, "注册表", StartWith::kRunCommand, {}, "regedit.exe"},
    {Control::按钮12, "组策略", StartWith::kOpenWithShell, {}, "gpedit.msc"},
    {Control::按钮13, "DX诊断", StartWith::kRunCommand, {}, "dxdiag.exe"},
    {Control::按钮14, "系统配置", StartWith::kRunCommand, {}, "msconfig.exe"},
    {Control::按钮15, "设备管理", StartWith::kOpenWithShell, kVerbOpen, "devmgmt.msc"},
    {Control::按钮16, "远程桌面", StartWith::kRunCommand, {}, "mstsc.exe"},
    {Control::按钮17, "服务配置", StartWith::kOpenWithShell, {}, "services.msc"},
    {Control::按钮18, "磁盘检测", StartWith::kRunCommand, {}, "chkdsk.exe"},
    {Control::按钮19, "共享管理", StartWith::kOpenWithShell, {}, "fsmgmt.msc"},
    {Control::按钮20, "程序卸载", StartWith::kOpenWithShell, {}, "appwiz.cpl"},
    {Control::按钮21, "控制面板", StartWith::kRunCommand, {}, "control.exe"},
    {Control::按钮22, "XP更新", StartWith::kOpenWithShell, {}, "wuaucpl.cpl"},
    // My Computer, Control Panel, Scheduled Tasks: one unquoted argument.
    {Control::按钮23,
     "计划任务",
     StartWith::kRunCommand,
     {},
     "explorer.exe ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{21EC2020-3AEA-1069-A2DD-"
     "08002B30309D}\\::{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"},
    {Control::按钮24, "事件查看", StartWith::kOpenWithShell, {}, "eventvwr.msc"},
    {Control::按钮25, "证书管理", StartWith::kOpenWithShell, {}, "certmgr.msc"},
};

// Starts the tool and returns at once; says so when it could not be started.
void LaunchTool(System& system, const ToolLauncher& tool);

// A button that asks the system to end the session at once, with no question
// and not forced: an application that refuses to close can hold it up.
struct PowerButton {
  Control button;
  int mode;
  const char* request;  // names the request when the system refuses it
};

inline constexpr PowerButton kPowerButtons[] = {
    {Control::按钮4, kPowerOff, "关机"},
    {Control::按钮5, kRestart, "重启"},
    {Control::按钮10, kLogOff, "注销"},
};

void RequestShutDown(System& system, const PowerButton& button);

namespace tools_detail {

// Not constexpr: reaching it while binding at compile time is an error.
void ThisButtonHasNoRowInTheTable();

// One handler per row of a button table, so the table stays the only place
// that says what each button does.
template <const auto& kTable, auto kPress>
struct RowHandlers {
  template <size_t Row>
  static void Press(System& system, Form&) {
    kPress(system, kTable[Row]);
  }
  static consteval Handler For(Control button) {
    return []<size_t... Rows>(Control wanted, std::index_sequence<Rows...>) {
      Handler found = nullptr;
      ((kTable[Rows].button == wanted ? void(found = &Press<Rows>) : void()), ...);
      if (!found) ThisButtonHasNoRowInTheTable();
      return found;
    }
    (button, std::make_index_sequence<std::size(kTable)>{});
  }
};

}  // namespace tools_detail

// The click handler of a launcher or power button, found by its button.
consteval Handler LauncherFor(Control button) {
  return tools_detail::RowHandlers<kToolLaunchers, &LaunchTool>::For(button);
}
consteval Handler PowerButtonFor(Control button) {
  return tools_detail::RowHandlers<kPowerButtons, &RequestShutDown>::For(button);
}

// 弹出光驱 and 关闭光驱: silent, also on a machine without a CD drive.
void OpenDriveTray(System& system, Form& form);
void CloseDriveTray(System& system, Form& form);

// 生成ADSL.
void CreateBroadbandConnection(System& system, Form& form);

}  // namespace kelvaro
