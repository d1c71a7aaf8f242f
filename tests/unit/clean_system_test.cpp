// Page 清系统: which tasks run, in what order, and what the closing message says.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/clean/clean_system.h"
#include "actions/clean/cleaning_scripts.h"
#include "app/control_table.h"
#include "tests/unit/fake_form.h"
#include "tests/unit/fake_system.h"

namespace kelvaro {
namespace {

using testing::Call;
using testing::FakeForm;
using testing::FakeSystem;
using testing::Message;
using testing::Run;
using testing::WriteFile;
using C = Control;
using Calls = std::vector<Call>;

Calls operator+(Calls a, const Calls& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Calls kJunk = {WriteFile("C:\\Windows\\QingLi.cmd", kQingLiScript),
                     Run("C:\\Windows\\QingLi.cmd")};
const Calls kLogs = {Run("cmd /cdel /f /s /q %systemdrive%\\*.log"),
                     Run("cmd /cdel /f /s /q %systemdrive%\\*.old"),
                     Run("cmd /cdel /f /s /q %windir%\\*.log")};
const char kRegAdd[] =
    "reg add HKEY_CLASSES_ROOT\\Directory\\Background\\shellex\\ContextMenuHandlers\\new /ve /d "
    "{D969A300-E7FF-11d0-A93B-00A0C90F2719}";
const Calls kContextMenu = {
    Run("regsvr32 /u /s igfxpph.dll"),
    Run("reg delete HKEY_CLASSES_ROOT\\Directory\\Background\\shellex\\ContextMenuHandlers /f"),
    Run(kRegAdd),
    Run("reg delete HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run /v "
        "HotKeysCmds /f"),
    Run("reg delete HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run /v "
        "IgfxTray /f"),
};
const Calls kShares = [] {
  Calls calls = {Run("net share C$ /del")};
  for (char letter = 'd'; letter <= 'z'; ++letter) {
    calls.push_back(Run(std::string("net share ") + letter + "$ /del"));
  }
  calls.push_back(Run("net share ipc$ /del "));
  calls.push_back(Run("net share admin$ /del "));
  return calls;
}();
const Calls kCookies = {WriteFile("C:\\Windows\\Temp\\DelCookies.cmd", kDelCookiesScript),
                        Run("C:\\Windows\\Temp\\DelCookies.cmd")};
const Calls kAutorun = {WriteFile("C:\\Windows\\Temp\\autorun_inf.cmd", kAutorunInfScript),
                        Run("C:\\Windows\\Temp\\autorun_inf.cmd")};

const Call kSucceeded = Message("系统清理成功！", kInformationIcon);
const Call kNothingChosen = Message("请选择欲清理项目！", kErrorIcon);

TEST(CleanSystem, AllSixRunInTableOrderWithProgressAndOneMessage) {
  FakeSystem system;
  FakeForm form{C::选择框16, C::选择框15, C::选择框14, C::选择框13, C::选择框12, C::选择框11};
  CleanSystem(system, form);

  EXPECT_EQ(system.calls,
            kJunk + kLogs + kContextMenu + kShares + kCookies + kAutorun + Calls{kSucceeded});
  EXPECT_EQ(system.CallsOf("RunCommand").size(), 37u);
  ASSERT_EQ(system.progress.size(), 38u);
  EXPECT_EQ(system.progress.front(), "系统清理 1/37");
  EXPECT_EQ(system.progress[36], "系统清理 37/37");
  EXPECT_EQ(system.progress.back(), "");
}

TEST(CleanSystem, OnlyTheTickedItemsRun) {
  struct Case {
    const char* name;
    FakeForm form;
    Calls expected;
  } cases[] = {
      {"nothing", {}, {kNothingChosen}},
      {"only select-all", {C::选择框17}, {kNothingChosen}},
      {"shares only", {C::选择框14}, kShares + Calls{kSucceeded}},
      {"autorun ticked before junk",
       {C::选择框16, C::选择框11},
       kJunk + kAutorun + Calls{kSucceeded}},
      {"select-all left on, logs unticked",
       {C::选择框17, C::选择框11, C::选择框13, C::选择框14, C::选择框15, C::选择框16},
       kJunk + kContextMenu + kShares + kCookies + kAutorun + Calls{kSucceeded}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSystem system;
    CleanSystem(system, c.form);
    EXPECT_EQ(system.calls, c.expected);
    if (c.expected.size() == 1) {
      EXPECT_TRUE(system.progress.empty());
    }
  }
}

TEST(CleanSystem, StepsThatCouldNotBeDoneAreReportedAndTheRestStillRuns) {
  const std::string heading = "系统清理未能全部完成，以下步骤失败：";
  struct Case {
    const char* name;
    std::function<bool(const std::string&)> writeSucceeds;
    std::function<CommandResult(const std::string&)> run;
    Calls expected;
  } cases[] = {
      {"junk script not written: it is not run",
       [](const std::string& path) { return path != "C:\\Windows\\QingLi.cmd"; },
       [](const std::string&) {
         return CommandResult{true, 0};
       },
       Calls{kJunk[0]} + kLogs + kCookies +
           Calls{Message(heading + "\r\n清理系统垃圾：无法写入 C:\\Windows\\QingLi.cmd",
                         kWarningIcon)}},
      {"interpreter missing", [](const std::string&) { return true; },
       [](const std::string& line) {
         return CommandResult{!line.starts_with("cmd "), 0};
       },
       kJunk + kLogs + kCookies +
           Calls{Message(heading +
                             "\r\n清理日志文件：无法启动 cmd /cdel /f /s /q %systemdrive%\\*.log"
                             "\r\n清理日志文件：无法启动 cmd /cdel /f /s /q %systemdrive%\\*.old"
                             "\r\n清理日志文件：无法启动 cmd /cdel /f /s /q %windir%\\*.log",
                         kWarningIcon)}},
      {"script cannot be started", [](const std::string&) { return true; },
       [](const std::string& line) {
         return CommandResult{!line.ends_with("DelCookies.cmd"), 0};
       },
       kJunk + kLogs + kCookies +
           Calls{Message(heading + "\r\n清空 Cookies：无法启动 C:\\Windows\\Temp\\DelCookies.cmd",
                         kWarningIcon)}},
      {"nothing to delete anywhere is no failure", [](const std::string&) { return true; },
       [](const std::string&) {
         return CommandResult{true, 1};
       },
       kJunk + kLogs + kCookies + Calls{kSucceeded}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSystem system;
    system.writeFileSucceeds = c.writeSucceeds;
    system.runResult = c.run;
    FakeForm form{C::选择框11, C::选择框12, C::选择框15};
    CleanSystem(system, form);
    EXPECT_EQ(system.calls, c.expected);
  }
}

TEST(CleanSystem, ContextMenuCountsOnlyTheRebuiltKey) {
  // Deleting what is not there fails harmlessly; the "new" submenu that was
  // removed with its key must come back.
  FakeSystem system;
  system.runResult = [](const std::string& line) {
    if (line == kRegAdd) return CommandResult{true, 1};
    return CommandResult{true, line.starts_with("regsvr32") ? 3u : 1u};
  };
  FakeForm form{C::选择框13};
  CleanSystem(system, form);
  EXPECT_EQ(system.calls.back(),
            Message("系统清理未能全部完成，以下步骤失败：\r\n清除多余右键菜单：" +
                        std::string(kRegAdd) + "（退出码 1）",
                    kWarningIcon));
}

TEST(CleanSystem, ManyFailedSharesAreListedUpToTenThenCounted) {
  FakeSystem system;
  system.runResult = [](const std::string&) { return CommandResult{}; };
  FakeForm form{C::选择框14};
  CleanSystem(system, form);
  EXPECT_EQ(system.CallsOf("RunCommand").size(), 26u);
  const std::string text = system.calls.back().args.at(0);
  EXPECT_NE(text.find("删除默认共享：无法启动 net share C$ /del\r\n"), std::string::npos);
  EXPECT_NE(text.find("另有 16 项"), std::string::npos);
  EXPECT_EQ(system.calls.back().args.at(1), std::to_string(kWarningIcon));
}

TEST(SelectAllCleaningItems, GivesTheSixBoxesItsStateAndLeavesItAlone) {
  const C kItems[] = {C::选择框11, C::选择框12, C::选择框13, C::选择框14, C::选择框15, C::选择框16};
  for (bool all : {true, false}) {
    SCOPED_TRACE(all ? "ticked" : "unticked");
    FakeSystem system;
    FakeForm form{C::选择框12, C::选择框15};
    form.checked[C::选择框17] = all;
    SelectAllCleaningItems(system, form);
    for (C item : kItems)
      EXPECT_EQ(form.IsChecked(item), all);
    EXPECT_EQ(form.IsChecked(C::选择框17), all);
    EXPECT_TRUE(system.calls.empty());
  }
}

TEST(SelectAllCleaningItems, OnlyTheButtonAndSelectAllHaveHandlersOnThePage) {
  // An item box with a handler of its own could change 全选 behind the user's back.
  for (const ControlRow& row : kControls) {
    if (row.page != 3) continue;
    SCOPED_TRACE(row.caption);
    if (row.id == C::按钮9) {
      EXPECT_EQ(row.handler, &CleanSystem);
    } else if (row.id == C::选择框17) {
      EXPECT_EQ(row.handler, &SelectAllCleaningItems);
    } else {
      EXPECT_EQ(row.handler, nullptr);
    }
  }
}

}  // namespace
}  // namespace kelvaro
