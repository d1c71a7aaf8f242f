// 生成ADSL: the PPPoE connection 宽带连接 for all users, its desktop shortcut,
// and the telephony service that dialling needs, started with the system.
#include <string>

#include "actions/outcome.h"
#include "actions/tools/connection_shortcut.h"
#include "actions/tools/connection_values.h"
#include "actions/tools/phone_book.h"
#include "actions/tools/tools_page.h"

namespace kelvaro {
namespace {

constexpr char kProgressName[] = "建立宽带连接";

struct ServiceCommand {
  const char* line;
  const char* step;
  bool doneWhenRunning;  // a failure that leaves the service running is fine
};

constexpr ServiceCommand kServiceCommands[] = {
    {"sc config  TapiSrv start= auto", "把电话服务 TapiSrv 设为自动启动", false},
    {"net start TapiSrv", "启动电话服务 TapiSrv", true},  // fails when already running
};

std::string Because(const CommandResult& result, const char* line) {
  const std::string program(line, std::string(line).find(' '));
  return "（" + CommandEnding(program, result) + "）";
}

// Adds the entry to the all-users phone book, keeping any other connections.
void WritePhoneBook(System& system, Outcome& outcome) {
  const std::optional<std::string> existing = system.ReadFileBytes(kPhoneBookPath);
  // Unreadable but present (the short-path query only answers for files that
  // exist): writing the bare image would drop the machine's other connections.
  if (!existing && !system.GetShortPath(kPhoneBookPath).empty()) {
    outcome.Fail(std::string("读取已有的电话簿 ") + kPhoneBookPath + "（未作改动）");
    return;
  }
  if (!system.WriteFileBytes(kPhoneBookPath, PhoneBookWithEntry(existing))) {
    outcome.Fail(std::string("写入电话簿 ") + kPhoneBookPath);
  }
}

}  // namespace

void CreateBroadbandConnection(System& system, Form&) {
  Outcome outcome;
  WritePhoneBook(system, outcome);
  if (!system.WriteFileBytes(kShortcutPath, ConnectionShortcutImage())) {
    outcome.Fail(std::string("写入桌面快捷方式 ") + kShortcutPath);
  }

  const int total = static_cast<int>(std::size(kServiceCommands));
  for (int i = 0; i < total; ++i) {
    const ServiceCommand& command = kServiceCommands[i];
    system.ShowProgress(kProgressName, i + 1, total);
    const CommandResult result = system.RunCommand(command.line, true, kHidden);
    const bool done = (result.started && result.exitCode == 0) ||
                      (result.started && command.doneWhenRunning &&
                       system.QueryServiceState("TapiSrv") == ServiceState::kRunning);
    if (!done) outcome.Fail(command.step + Because(result, command.line));
  }
  system.ShowProgress("", 0, 0);

  outcome.Report(system, "宽带连接已成功建立！", kInformationIcon,
                 "宽带连接没有完全建立，以下步骤未成功：", "提示");
}

}  // namespace kelvaro
