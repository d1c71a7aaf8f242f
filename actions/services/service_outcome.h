// Judges the sc and net commands of the service actions and composes their
// closing message.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "actions/outcome.h"
#include "platform/system.h"

namespace kelvaro {

class ServiceOutcome {
 public:
  // sc config: exit code 0 succeeded; 1060 says the service is not installed
  // on this machine, which is no failure but is named in the closing message.
  void JudgeConfigure(const std::string& step, const std::string& service,
                      const CommandResult& result);
  // net start: exit code 0 succeeded; otherwise it did only when the service
  // is running afterwards (it may have been running before).
  void JudgeStart(System& system, const std::string& step, const std::string& service,
                  const CommandResult& result);

  // The completion message when nothing failed, else the warning under
  // `heading`: the failed steps, or one line when they all share one cause
  // and nothing succeeded.
  void Report(System& system, const std::string& success, const std::string& heading);

 private:
  // `step` names the step and why it failed; `result` gives its cause.
  void Failed(const std::string& step, const CommandResult& result);

  Outcome outcome_;
  std::vector<std::string> notInstalled_;
  bool anySucceeded_ = false;
  // Each failure's cause: its exit code, or -1 when the command did not start.
  std::set<int64_t> causes_;
};

}  // namespace kelvaro
