#include "actions/outcome.h"
#include "platform/decimal.h"

namespace kelvaro {

std::string CommandEnding(const std::string& program, const CommandResult& result) {
  if (!result.started) return "无法运行 " + program;
  return program + " 退出码 " + Decimal(result.exitCode);
}

std::string Outcome::Text(const std::string& success, const std::string& heading) const {
  std::string text = failed() ? heading : success;
  if (failed()) {
    if (!summary_.empty()) {
      text += "\r\n" + summary_;
    } else {
      for (size_t i = 0; i < failures_.size() && i < kListedFailures; ++i) {
        text += "\r\n" + failures_[i];
      }
      if (failures_.size() > kListedFailures) {
        text += "\r\n……另有 " + Decimal(failures_.size() - kListedFailures) + " 项";
      }
    }
  }
  for (const std::string& note : notes_)
    text += "\r\n" + note;
  return text;
}

void Outcome::Report(System& system, const std::string& success, int successStyle,
                     const std::string& heading, const std::string& title) const {
  system.ShowMessage(Text(success, heading), failed() ? kWarningIcon : successStyle, title);
}

}  // namespace kelvaro
