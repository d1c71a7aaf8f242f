// Switches on the chosen optional services: automatic start, then started at once.
#include <string>
#include <vector>

#include "actions/services/service_outcome.h"
#include "actions/services/services.h"

namespace kelvaro {
namespace {

struct OptionalService {
  Control box;
  const char* service;
  const char* configureCommand;
  const char* startCommand;
};

// In the order they are processed, which is not the order on the page.
constexpr OptionalService kOptionalServices[] = {
    {Control::选择框4, "upnphost", "sc config   upnphost start= auto ", "net start upnphost"},
    {Control::选择框1, "spooler", "sc config   spooler start= auto ", "net start spooler"},
    {Control::选择框2, "ShellHWDetection", "sc config   ShellHWDetection start= auto ",
     "net start ShellHWDetection"},
    {Control::选择框3, "WZCSVC", "sc config   WZCSVC start= auto ", "net start WZCSVC"},
};

}  // namespace

void StartOptionalServices(System& system, Form& form) {
  std::vector<const OptionalService*> chosen;
  for (const OptionalService& entry : kOptionalServices) {
    if (form.IsChecked(entry.box)) chosen.push_back(&entry);
  }
  if (chosen.empty()) {
    system.ShowMessage("请先选择欲启动项目！", kErrorIcon, "");
    return;
  }
  const int total = static_cast<int>(chosen.size()) * 2;
  int step = 0;
  ServiceOutcome outcome;
  for (const OptionalService* entry : chosen) {
    const std::string service = entry->service;
    system.ShowProgress("启动服务", ++step, total);
    outcome.JudgeConfigure("设置 " + service + " 自动启动", service,
                           system.RunCommand(entry->configureCommand, true, kHidden));
    system.ShowProgress("启动服务", ++step, total);
    outcome.JudgeStart(system, "启动 " + service, service,
                       system.RunCommand(entry->startCommand, true, kHidden));
  }
  system.ShowProgress("", 0, 0);
  outcome.Report(system, "所选项目服务启动完毕！", "所选服务未能全部启动：");
}

}  // namespace kelvaro
