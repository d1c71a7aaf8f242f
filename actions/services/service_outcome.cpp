#include "actions/services/service_outcome.h"
#include "platform/decimal.h"

namespace kelvaro {
namespace {

constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kServiceNotInstalled = 1060;
constexpr int64_t kNotStarted = -1;

// Why a command failed, as the list of failed steps says it.
std::string Because(const std::string& program, const CommandResult& result) {
  const bool denied = result.started && result.exitCode == kAccessDenied;
  return "（" + CommandEnding(program, result) + (denied ? "：拒绝访问" : "") + "）";
}

// The one line that stands for every failure when they share a cause.
std::string SharedCause(int64_t cause) {
  if (cause == kNotStarted) return "所有命令都无法运行。";
  if (cause == kAccessDenied) return "所有命令都被拒绝：需要以管理员身份运行本程序。";
  return "所有命令都以退出码 " + Decimal(cause) + " 结束。";
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names)
    joined += (joined.empty() ? "" : "、") + name;
  return joined;
}

}  // namespace

void ServiceOutcome::JudgeConfigure(const std::string& step, const std::string& service,
                                    const CommandResult& result) {
  if (result.started && result.exitCode == 0) {
    anySucceeded_ = true;
  } else if (result.started && result.exitCode == kServiceNotInstalled) {
    notInstalled_.push_back(service);
  } else {
    Failed(step + Because("sc", result), result);
  }
}

void ServiceOutcome::JudgeStart(System& system, const std::string& step, const std::string& service,
                                const CommandResult& result) {
  if ((result.started && result.exitCode == 0) ||
      system.QueryServiceState(service) == ServiceState::kRunning) {
    anySucceeded_ = true;
  } else {
    Failed(step + Because("net", result), result);
  }
}

void ServiceOutcome::Failed(const std::string& step, const CommandResult& result) {
  outcome_.Fail(step);
  causes_.insert(result.started ? static_cast<int64_t>(result.exitCode) : kNotStarted);
}

void ServiceOutcome::Report(System& system, const std::string& success,
                            const std::string& heading) {
  if (!anySucceeded_ && causes_.size() == 1) outcome_.Summarize(SharedCause(*causes_.begin()));
  if (!notInstalled_.empty()) outcome_.Note("本机未安装的服务：" + JoinNames(notInstalled_));
  outcome_.Report(system, success, kInformationIcon, heading);
}

}  // namespace kelvaro
