#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <utility>
#include <set>
#include <string>
#include <vector>

#include "actions/services/services.h"
#include "tests/unit/fake_form.h"
#include "tests/unit/fake_system.h"

namespace kelvaro {
namespace {

using testing::Call;
using testing::FakeForm;
using testing::FakeSystem;
using testing::Message;

constexpr char kProfileDone[] = "服务优化完毕！";
constexpr char kProfileHeading[] = "服务优化未能全部完成：";
constexpr char kOptionalDone[] = "所选项目服务启动完毕！";
constexpr char kOptionalHeading[] = "所选服务未能全部启动：";

std::vector<std::string> CommandLines(const FakeSystem& system) {
  std::vector<std::string> lines;
  for (const Call& call : system.CallsOf("RunCommand"))
    lines.push_back(call.args.at(0));
  return lines;
}

// "sc config   <service> start= <word><blanks>" split into its parts.
struct ParsedLine {
  std::string service, word, blanks;
};
ParsedLine Parse(const std::string& line) {
  const std::string prefix = "sc config   ";
  EXPECT_EQ(line.rfind(prefix, 0), 0u) << line;
  const size_t nameEnd = line.find(' ', prefix.size());
  const size_t wordStart = line.find("start= ", nameEnd) + 7;
  const size_t wordEnd = line.find_last_not_of(' ') + 1;
  EXPECT_EQ(nameEnd + 1, wordStart - 7) << line;
  return {line.substr(prefix.size(), nameEnd - prefix.size()),
          line.substr(wordStart, wordEnd - wordStart), line.substr(wordEnd)};
}

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

struct ProfileCase {
  const char* name;
  Control radio;
  size_t count;
  const char* first;
  const char* last;
  int autos, demands, disableds;
  const char* usualBlanks;
  std::vector<std::string> irregular;   // lines that differ from the profile's usual form
  std::vector<std::string> ofTheThree;  // which of NVSvc, ose, WMConnectCDS it sets
};

TEST(ApplyServiceProfile, EachProfileRunsItsListOnceThenReportsCompletion) {
  const ProfileCase cases[] = {
      {"Minimal",
       Control::单选框1,
       82,
       "sc config   Alerter start= DISABLED ",
       "sc config   xmlprov start= DEMAND",
       12,
       35,
       35,
       " ",
       {"sc config   LmHosts start= DISABLED", "sc config   Netman start= DEMAND",
        "sc config   seclogon start= disabled ", "sc config   ShellHWDetection start= disabled ",
        "sc config   stisvc start= DEMAND", "sc config   TrkWks start= DISABLED  ",
        "sc config   xmlprov start= DEMAND"},
       {"ose", "WMConnectCDS"}},
      {"InternetCafe",
       Control::单选框2,
       82,
       "sc config   Alerter start= DISABLED ",
       "sc config   xmlprov start= DEMAND ",
       25,
       31,
       26,
       " ",
       {},
       {"ose", "WMConnectCDS"}},
      {"Office",
       Control::单选框3,
       81,
       "sc config   Alerter start= DISABLED",
       "sc config   xmlprov start= DEMAND",
       10,
       43,
       28,
       "",
       {},
       {"NVSvc"}},
      {"Laptop",
       Control::单选框4,
       82,
       "sc config   Alerter start= DISABLED ",
       "sc config   xmlprov start= DEMAND ",
       35,
       31,
       16,
       " ",
       {},
       {"ose", "WMConnectCDS"}},
      {"XpDefault",
       Control::单选框5,
       80,
       "sc config   Alerter start= DISABLED ",
       "sc config   xmlprov start= DEMAND ",
       33,
       38,
       9,
       " ",
       {},
       {}},
  };
  for (const ProfileCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSystem system;
    FakeForm form{c.radio};
    ApplyServiceProfile(system, form);

    const std::vector<std::string> lines = CommandLines(system);
    ASSERT_EQ(lines.size(), c.count);
    EXPECT_EQ(lines.front(), c.first);
    EXPECT_EQ(lines.back(), c.last);
    for (const Call& call : system.CallsOf("RunCommand")) {
      EXPECT_EQ(call, testing::Run(call.args.at(0)));  // hidden and waited for
    }
    EXPECT_EQ(system.calls.back(), Message(kProfileDone, kInformationIcon));
    EXPECT_EQ(system.calls.size(), c.count + 1);

    int autos = 0, demands = 0, disableds = 0;
    std::vector<std::string> irregular, ofTheThree;
    std::set<std::string> seen;
    std::string previous;
    for (const std::string& line : lines) {
      const ParsedLine parsed = Parse(line);
      autos += parsed.word == "AUTO";
      demands += parsed.word == "DEMAND";
      disableds += Lower(parsed.word) == "disabled";
      const bool usualWord =
          parsed.word == "AUTO" || parsed.word == "DEMAND" || parsed.word == "DISABLED";
      if (parsed.blanks != c.usualBlanks || !usualWord) {
        irregular.push_back(line);
      }
      if (parsed.service == "NVSvc" || parsed.service == "ose" ||
          parsed.service == "WMConnectCDS") {
        ofTheThree.push_back(parsed.service);
      }
      EXPECT_TRUE(seen.insert(Lower(parsed.service)).second) << "twice: " << parsed.service;
      EXPECT_LT(Lower(previous), Lower(parsed.service)) << "out of order: " << line;
      previous = parsed.service;
    }
    EXPECT_EQ(autos, c.autos);
    EXPECT_EQ(demands, c.demands);
    EXPECT_EQ(disableds, c.disableds);
    EXPECT_EQ(irregular, c.irregular);
    EXPECT_EQ(ofTheThree, c.ofTheThree);

    ASSERT_EQ(system.progress.size(), c.count + 1);
    EXPECT_EQ(system.progress.front(), "服务优化 1/" + std::to_string(c.count));
    EXPECT_EQ(system.progress[c.count - 1],
              "服务优化 " + std::to_string(c.count) + "/" + std::to_string(c.count));
    EXPECT_EQ(system.progress.back(), "");
  }
}

TEST(ApplyServiceProfile, OfficeSetsNVSvcBetweenNtmsSvcAndPlugPlay) {
  FakeSystem system;
  FakeForm form{Control::单选框3};
  ApplyServiceProfile(system, form);
  const std::vector<std::string> lines = CommandLines(system);
  const auto at = std::find(lines.begin(), lines.end(), "sc config   NVSvc start= DEMAND");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at - 1), "sc config   NtmsSvc start= DEMAND");
  EXPECT_EQ(*(at + 1), "sc config   PlugPlay start= AUTO");
}

TEST(ApplyServiceProfile, FirstCheckedRadioInItsFixedOrderWins) {
  struct Case {
    std::initializer_list<Control> checked;
    Control wins;
  };
  const Case cases[] = {
      {{Control::单选框5, Control::单选框2, Control::单选框4, Control::单选框3, Control::单选框1},
       Control::单选框1},
      {{Control::单选框2, Control::单选框3}, Control::单选框3},
      {{Control::单选框2, Control::单选框4}, Control::单选框4},
      {{Control::单选框5, Control::单选框2}, Control::单选框2},
  };
  for (const Case& c : cases) {
    FakeSystem several, alone;
    FakeForm severalForm(c.checked), aloneForm{c.wins};
    ApplyServiceProfile(several, severalForm);
    ApplyServiceProfile(alone, aloneForm);
    EXPECT_EQ(several.calls, alone.calls) << "winner " << static_cast<int>(c.wins);
  }
}

TEST(ApplyServiceProfile, NothingChosenRunsNothing) {
  FakeSystem system;
  FakeForm form{Control::选择框1, Control::选择框4};  // optional boxes do not count
  ApplyServiceProfile(system, form);
  EXPECT_EQ(system.calls, (std::vector{Message("请选择服务优化项目上执行！", kErrorIcon)}));
  EXPECT_TRUE(system.progress.empty());
}

TEST(StartOptionalServices, ChosenBoxesRunInTableOrder) {
  const Call upnp[] = {testing::Run("sc config   upnphost start= auto "),
                       testing::Run("net start upnphost")};
  const Call spooler[] = {testing::Run("sc config   spooler start= auto "),
                          testing::Run("net start spooler")};
  const Call hardware[] = {testing::Run("sc config   ShellHWDetection start= auto "),
                           testing::Run("net start ShellHWDetection")};
  const Call wireless[] = {testing::Run("sc config   WZCSVC start= auto "),
                           testing::Run("net start WZCSVC")};
  const Call done = Message(kOptionalDone, kInformationIcon);
  struct Case {
    const char* name;
    std::initializer_list<Control> checked;
    std::vector<Call> expected;
  };
  const Case cases[] = {
      {"none, a profile radio does not count",
       {Control::单选框1},
       {Message("请先选择欲启动项目！", kErrorIcon)}},
      {"all four",
       {Control::选择框1, Control::选择框2, Control::选择框3, Control::选择框4},
       {upnp[0], upnp[1], spooler[0], spooler[1], hardware[0], hardware[1], wireless[0],
        wireless[1], done}},
      {"only 选择框3", {Control::选择框3}, {wireless[0], wireless[1], done}},
      {"选择框1 with 选择框4",
       {Control::选择框1, Control::选择框4},
       {upnp[0], upnp[1], spooler[0], spooler[1], done}},
  };
  for (const Case& c : cases) {
    FakeSystem system;
    FakeForm form(c.checked);
    StartOptionalServices(system, form);
    EXPECT_EQ(system.calls, c.expected) << c.name;
  }
}

TEST(StartOptionalServices, ReportsProgressPerCommand) {
  FakeSystem system;
  FakeForm form{Control::选择框2, Control::选择框3};
  StartOptionalServices(system, form);
  EXPECT_EQ(system.progress, (std::vector<std::string>{"启动服务 1/4", "启动服务 2/4",
                                                       "启动服务 3/4", "启动服务 4/4", ""}));
}

// Answers sc and net by the service each line names, the first match winning
// ("" matches every line); anything else succeeds.
std::function<CommandResult(const std::string&)> Answers(
    std::vector<std::pair<std::string, CommandResult>> byService) {
  return [byService](const std::string& line) {
    for (const auto& [service, result] : byService) {
      if (service.empty() || line.find(" " + service + " ") != std::string::npos ||
          line.ends_with(" " + service)) {
        return result;
      }
    }
    return CommandResult{true, 0};
  };
}

std::function<CommandResult(const std::string&)> Always(CommandResult result) {
  return [result](const std::string&) { return result; };
}

// The lines of a message, joined as the message box shows them.
std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines)
    text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

TEST(ServiceOutcome, NotInstalledServicesAreNamedButNoFailure) {
  FakeSystem system;
  system.runResult = Answers({{"ose", {true, 1060}}, {"WMConnectCDS", {true, 1060}}});
  FakeForm form{Control::单选框2};
  ApplyServiceProfile(system, form);
  EXPECT_EQ(CommandLines(system).size(), 82u);
  EXPECT_EQ(
      system.calls.back(),
      Message(Lines({kProfileDone, "本机未安装的服务：ose、WMConnectCDS"}), kInformationIcon));
}

TEST(ServiceOutcome, ProfileFailuresAreJudgedByExitCode) {
  constexpr char kNeedsAdmin[] = "所有命令都被拒绝：需要以管理员身份运行本程序。";
  struct Case {
    const char* name;
    std::function<CommandResult(const std::string&)> answer;
    std::string text;
  };
  const Case cases[] = {
      {"some failed: those are listed",
       Answers({{"Alerter", {true, 5}}, {"Themes", {true, 1}}, {"VSS", {false, 0}}}),
       Lines({kProfileHeading, "设置 Alerter（sc 退出码 5：拒绝访问）",
              "设置 Themes（sc 退出码 1）", "设置 VSS（无法运行 sc）"})},
      {"every one refused: one line", Always({true, 5}), Lines({kProfileHeading, kNeedsAdmin})},
      {"refused or not installed: one line and the note",
       Answers({{"ose", {true, 1060}}, {"", {true, 5}}}),
       Lines({kProfileHeading, kNeedsAdmin, "本机未安装的服务：ose"})},
      {"none could start", Always({false, 0}), Lines({kProfileHeading, "所有命令都无法运行。"})},
      {"every one failed with one other code", Always({true, 1}),
       Lines({kProfileHeading, "所有命令都以退出码 1 结束。"})},
  };
  for (const Case& c : cases) {
    FakeSystem system;
    system.runResult = c.answer;
    FakeForm form{Control::单选框1};
    ApplyServiceProfile(system, form);
    EXPECT_EQ(CommandLines(system).size(), 82u) << c.name;  // nothing stops the list
    EXPECT_EQ(system.calls.back(), Message(c.text, kWarningIcon)) << c.name;
  }
}

TEST(ServiceOutcome, MixedCausesWhenAllFailAreListed) {
  FakeSystem system;
  system.runResult = Answers({{"Alerter", {false, 0}}, {"", {true, 5}}});
  FakeForm form{Control::单选框5};
  ApplyServiceProfile(system, form);
  const Call message = system.calls.back();
  EXPECT_EQ(message.args.at(1), std::to_string(kWarningIcon));
  const std::string& text = message.args.at(0);
  EXPECT_TRUE(text.starts_with(
      Lines({kProfileHeading, "设置 Alerter（无法运行 sc）", "设置 ALG（sc 退出码 5：拒绝访问）"})))
      << text;
  EXPECT_TRUE(text.ends_with("另有 70 项")) << text;
}

TEST(ServiceOutcome, NetStartCountsWhenTheServiceRunsAfterwards) {
  const std::string notStarted = Lines({kOptionalHeading, "启动 spooler（net 退出码 2）"});
  struct Case {
    const char* name;
    CommandResult netAnswer;
    ServiceState after;
    std::string text;
    int style;
  };
  const Case cases[] = {
      {"started", {true, 0}, ServiceState::kStopped, kOptionalDone, kInformationIcon},
      {"already running", {true, 2}, ServiceState::kRunning, kOptionalDone, kInformationIcon},
      {"net missing, running", {false, 0}, ServiceState::kRunning, kOptionalDone, kInformationIcon},
      {"did not start", {true, 2}, ServiceState::kStopped, notStarted, kWarningIcon},
      {"state unknown", {true, 2}, ServiceState::kUnknown, notStarted, kWarningIcon},
  };
  for (const Case& c : cases) {
    FakeSystem system;
    system.runResult = [&c](const std::string& line) {
      return line.starts_with("net ") ? c.netAnswer : CommandResult{true, 0};
    };
    system.services["spooler"] = c.after;
    FakeForm form{Control::选择框1};
    StartOptionalServices(system, form);
    EXPECT_EQ(system.calls.back(), Message(c.text, c.style)) << c.name;
  }
}

TEST(ServiceOutcome, OptionalServicesListEachFailedStepAndNameMissingServices) {
  FakeSystem system;
  system.runResult = [](const std::string& line) {
    if (line == "sc config   upnphost start= auto ") return CommandResult{true, 5};
    if (line == "sc config   WZCSVC start= auto ") return CommandResult{true, 1060};
    if (line == "net start WZCSVC") return CommandResult{true, 2};
    return CommandResult{true, 0};
  };
  system.services["upnphost"] = ServiceState::kRunning;
  FakeForm form{Control::选择框4, Control::选择框3};
  StartOptionalServices(system, form);
  EXPECT_EQ(CommandLines(system).size(), 4u);
  EXPECT_EQ(system.calls.back(),
            Message(Lines({kOptionalHeading, "设置 upnphost 自动启动（sc 退出码 5：拒绝访问）",
                           "启动 WZCSVC（net 退出码 2）", "本机未安装的服务：WZCSVC"}),
                    kWarningIcon));
}

}  // namespace
}  // namespace kelvaro
