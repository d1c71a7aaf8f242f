#include "actions/clean/clean_system.h"

#include <string>

#include "actions/clean/cleaning_items.h"
#include "actions/outcome.h"
#include "platform/decimal.h"

namespace kelvaro {
namespace {

constexpr char kActionName[] = "系统清理";
constexpr char kSucceeded[] = "系统清理成功！";
constexpr char kNothingChosen[] = "请选择欲清理项目！";
constexpr char kFailureHeading[] = "系统清理未能全部完成，以下步骤失败：";

bool AnyItemTicked(const Form& form) {
  for (const CleaningItem& item : kCleaningItems) {
    if (form.IsChecked(item.box)) {
      return true;
    }
  }
  return false;
}

}  // namespace

void CleanSystem(System& system, Form& form) {
  int total = 0;
  for (const CleaningItem& item : kCleaningItems) {
    if (form.IsChecked(item.box)) {
      total += item.RunCount();
    }
  }

  Outcome outcome;
  int step = 0;
  const auto run = [&](const std::string& caption, const CleaningCommand& command) {
    system.ShowProgress(kActionName, ++step, total);
    const CommandResult result = system.RunCommand(command.line, true, kHidden);
    if (!result.started) {
      outcome.Fail(caption + "：无法启动 " + command.line);
    } else if (command.exitCode == ExitCode::kMustBeZero && result.exitCode != 0) {
      outcome.Fail(caption + "：" + command.line + "（退出码 " + Decimal(result.exitCode) + "）");
    }
  };

  for (const CleaningItem& item : kCleaningItems) {
    if (!form.IsChecked(item.box)) {
      continue;
    }
    for (const CleaningCommand& command : item.commands) {
      run(item.caption, command);
    }
    if (!item.script) {
      continue;
    }
    // A script that could not be written is not run: an older file of that
    // name may still lie there.
    if (system.WriteFileBytes(item.script->path, item.script->bytes)) {
      run(item.caption, {item.script->path});
    } else {
      ++step;
      outcome.Fail(std::string(item.caption) + "：无法写入 " + item.script->path);
    }
  }
  if (total > 0) {
    system.ShowProgress("", 0, 0);
  }

  if (!AnyItemTicked(form)) {
    system.ShowMessage(kNothingChosen, kErrorIcon, "");
    return;
  }
  outcome.Report(system, kSucceeded, kInformationIcon, kFailureHeading);
}

}  // namespace kelvaro
