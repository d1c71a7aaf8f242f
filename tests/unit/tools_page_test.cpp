// The launchers, power and tray buttons as the window binds them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "actions/tools/tools_page.h"
#include "app/control_table.h"
#include "fake_form.h"
#include "fake_system.h"

namespace kelvaro {
namespace {

using namespace testing;

const ControlRow& RowOf(Control id) {
  return kControls[static_cast<int>(id)];
}

// Presses a button through the handler the control table binds to it.
std::vector<Call> Press(Control button, FakeSystem& system) {
  FakeForm form;
  const Handler handler = RowOf(button).handler;
  EXPECT_NE(handler, nullptr) << RowOf(button).caption;
  if (handler) handler(system, form);
  return system.calls;
}

// A tool started without waiting, shown normally.
Call Started(const std::string& line) {
  return testing::Run(line, false, std::nullopt);
}

constexpr char kScheduledTasks[] =
    "explorer.exe ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{21EC2020-3AEA-1069-A2DD-"
    "08002B30309D}\\::{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";

struct LauncherCase {
  Control button;
  Call call;
};

const LauncherCase kLauncherCases[] = {
    {Control::按钮11, Started("regedit.exe")},
    {Control::按钮12, Shell(std::nullopt, "gpedit.msc")},
    {Control::按钮13, Started("dxdiag.exe")},
    {Control::按钮14, Started("msconfig.exe")},
    {Control::按钮15, Shell(kVerbOpen, "devmgmt.msc")},
    {Control::按钮16, Started("mstsc.exe")},
    {Control::按钮17, Shell(std::nullopt, "services.msc")},
    {Control::按钮18, Started("chkdsk.exe")},
    {Control::按钮19, Shell(std::nullopt, "fsmgmt.msc")},
    {Control::按钮20, Shell(std::nullopt, "appwiz.cpl")},
    {Control::按钮21, Started("control.exe")},
    {Control::按钮22, Shell(std::nullopt, "wuaucpl.cpl")},
    {Control::按钮23, Started(kScheduledTasks)},
    {Control::按钮24, Shell(std::nullopt, "eventvwr.msc")},
    {Control::按钮25, Shell(std::nullopt, "certmgr.msc")},
};

TEST(ToolLaunchers, EachButtonStartsExactlyItsToolAndStaysSilent) {
  for (const LauncherCase& test : kLauncherCases) {
    FakeSystem system;
    EXPECT_EQ(Press(test.button, system), std::vector<Call>{test.call})
        << RowOf(test.button).caption;
  }
}

TEST(ToolLaunchers, TableCoversTheFifteenButtonsWithTheWindowsCaptions) {
  ASSERT_EQ(std::size(kToolLaunchers), 15u);
  std::set<Control> buttons;
  for (const ToolLauncher& tool : kToolLaunchers) {
    EXPECT_TRUE(buttons.insert(tool.button).second) << tool.caption;
    EXPECT_STREQ(tool.caption, RowOf(tool.button).caption);
  }
}

TEST(ToolLaunchers, ToolThatCannotStartIsNamedInAnError) {
  FakeSystem shellFails;
  shellFails.shellSucceeds = false;
  EXPECT_EQ(
      Press(Control::按钮12, shellFails),
      (std::vector<Call>{
          Shell(std::nullopt, "gpedit.msc"),
          Message("无法启动“组策略”（gpedit.msc），这台电脑上可能没有这个工具。", kErrorIcon)}));

  FakeSystem commandFails;
  commandFails.runResult = [](const std::string&) { return CommandResult{false, 0}; };
  EXPECT_EQ(
      Press(Control::按钮23, commandFails),
      (std::vector<Call>{Started(kScheduledTasks),
                         Message("无法启动“计划任务”（explorer.exe），这台电脑上可能没有这个工具。",
                                 kErrorIcon)}));
}

struct PowerCase {
  Control button;
  int mode;
  const char* refusal;
};

const PowerCase kPowerCases[] = {
    {Control::按钮4, kPowerOff, "系统拒绝了关机请求，当前用户可能没有这个权限。"},
    {Control::按钮5, kRestart, "系统拒绝了重启请求，当前用户可能没有这个权限。"},
    {Control::按钮10, kLogOff, "系统拒绝了注销请求，当前用户可能没有这个权限。"},
};

TEST(PowerButtons, AskAtOnceUnforcedAndReportOnlyARefusal) {
  for (const PowerCase& test : kPowerCases) {
    FakeSystem accepted;
    EXPECT_EQ(Press(test.button, accepted), std::vector<Call>{ShutDown(test.mode, false)})
        << test.mode;

    FakeSystem refused;
    refused.shutDownSucceeds = false;
    EXPECT_EQ(Press(test.button, refused),
              (std::vector<Call>{ShutDown(test.mode, false), Message(test.refusal, kErrorIcon)}))
        << test.mode;
  }
}

TEST(TrayButtons, OpenAndCloseTheTrayWithoutAMessage) {
  FakeSystem eject, close;
  EXPECT_EQ(Press(Control::按钮2, eject), std::vector<Call>{Eject()});
  EXPECT_EQ(Press(Control::按钮3, close), std::vector<Call>{CloseTray()});
}

}  // namespace
}  // namespace kelvaro
