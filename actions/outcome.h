// What an action reports at its end: its own completion message when every
// step succeeded, otherwise a warning that lists the steps that did not.
#pragma once

#include <string>
#include <vector>

#include "platform/system.h"

namespace kelvaro {

// How a command that did not succeed ended, for the list of failed steps:
// "无法运行 sc" or "sc 退出码 5".
std::string CommandEnding(const std::string& program, const CommandResult& result);

class Outcome {
 public:
  // A step that did not succeed, described so the user can tell which.
  void Fail(std::string step) { failures_.push_back(std::move(step)); }
  // An extra line for the closing message, shown whatever the outcome.
  void Note(std::string line) { notes_.push_back(std::move(line)); }
  // Replaces the list of failed steps by one line, for failures that share a cause.
  void Summarize(std::string cause) { summary_ = std::move(cause); }

  bool failed() const { return !failures_.empty(); }
  const std::vector<std::string>& failures() const { return failures_; }

  // The closing text: `success` when nothing failed, else `heading` and the
  // failed steps (at most ten, then how many more).
  std::string Text(const std::string& success, const std::string& heading) const;
  // Shows the closing message: `successStyle` when nothing failed, else the warning icon.
  void Report(System& system, const std::string& success, int successStyle,
              const std::string& heading, const std::string& title = {}) const;

  static constexpr size_t kListedFailures = 10;

 private:
  std::vector<std::string> failures_;
  std::vector<std::string> notes_;
  std::string summary_;
};

}  // namespace kelvaro
