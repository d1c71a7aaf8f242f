// Sets the start type of every service of the chosen profile, one sc command
// after another.
#include <string>
#include <vector>

#include "actions/services/service_outcome.h"
#include "actions/services/service_profile.h"
#include "actions/services/services.h"

namespace kelvaro {
namespace {

struct ProfileChoice {
  Control radio;
  ServiceProfile profile;
};

// Read in this order; the first checked one wins.
constexpr ProfileChoice kProfileChoices[] = {
    {Control::单选框1, ServiceProfile::Minimal},   {Control::单选框3, ServiceProfile::Office},
    {Control::单选框4, ServiceProfile::Laptop},    {Control::单选框2, ServiceProfile::InternetCafe},
    {Control::单选框5, ServiceProfile::XpDefault},
};

const ProfileChoice* ChosenProfile(const Form& form) {
  for (const ProfileChoice& choice : kProfileChoices) {
    if (form.IsChecked(choice.radio)) return &choice;
  }
  return nullptr;
}

}  // namespace

void ApplyServiceProfile(System& system, Form& form) {
  const ProfileChoice* choice = ChosenProfile(form);
  if (!choice) {
    system.ShowMessage("请选择服务优化项目上执行！", kErrorIcon, "");
    return;
  }
  const std::vector<ServiceSetting> settings = SettingsOf(choice->profile);
  const int total = static_cast<int>(settings.size());
  ServiceOutcome outcome;
  for (int i = 0; i < total; ++i) {
    const ServiceSetting& setting = settings[i];
    system.ShowProgress("服务优化", i + 1, total);
    const CommandResult result = system.RunCommand(CommandLine(setting), true, kHidden);
    const std::string service(setting.service);
    outcome.JudgeConfigure("设置 " + service, service, result);
  }
  system.ShowProgress("", 0, 0);
  outcome.Report(system, "服务优化完毕！", "服务优化未能全部完成：");
}

}  // namespace kelvaro
