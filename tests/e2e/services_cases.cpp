// Page XP优化 under Wine, with recording sc and net stubs beside the program:
// Wine's own sc has no config and its net start answers differently.
#include <string>
#include <vector>

#include "actions/services/service_profile.h"
#include "tests/e2e/harness.h"

using kelvaro::Control;

namespace {

constexpr int kServicesPage = 1;
constexpr char kDefaultTitle[] = "信息：";

e2e::Program LaunchWithStubs(std::string exitCodes = {}) {
  return e2e::Program::Launch(
      {.stubs = {"sc", "net"}, .stubExitCodes = std::move(exitCodes), .stubDelayMs = 0});
}

std::vector<std::string> ProfileLines(kelvaro::ServiceProfile profile) {
  std::vector<std::string> lines;
  for (const kelvaro::ServiceSetting& setting : kelvaro::SettingsOf(profile)) {
    lines.push_back(kelvaro::CommandLine(setting));
  }
  return lines;
}

// Picks the profile on the page, as a user would, and presses its 执行.
e2e::MessageBoxSeen ApplyProfile(e2e::Program& program, Control radio) {
  program.SelectPage(kServicesPage);
  program.Click(radio);
  program.Click(Control::按钮6);
  return program.WaitForMessageBox();
}

// Starts a service of the prefix through the service control manager; true
// when it runs afterwards.
bool StartRealService(const char* name) {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
  if (!manager) return false;
  bool running = false;
  if (SC_HANDLE service = OpenServiceA(manager, name, SERVICE_START | SERVICE_QUERY_STATUS)) {
    StartServiceA(service, 0, nullptr);
    SERVICE_STATUS status{};
    for (int i = 0; i < 50 && !running; ++i) {
      running = QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_RUNNING;
      if (!running) e2e::Sleep(100);
    }
    CloseServiceHandle(service);
  }
  CloseServiceHandle(manager);
  return running;
}

}  // namespace

E2E_CASE(services_internet_cafe_records_its_82_lines_and_completes) {
  e2e::Program program = LaunchWithStubs();
  const e2e::MessageBoxSeen box = ApplyProfile(program, Control::单选框2);
  REQUIRE(box.found);
  CHECK_EQ(box.title, std::string(kDefaultTitle));
  CHECK_EQ(box.text, std::string("服务优化完毕！"));
  CHECK_EQ(box.icon, 64);
  const std::vector<std::string> log = e2e::StubLog();
  REQUIRE(log.size() == 82);
  CHECK_EQ(log, ProfileLines(kelvaro::ServiceProfile::InternetCafe));
  CHECK_EQ(log.front(), std::string("sc config   Alerter start= DISABLED "));
  CHECK_EQ(log.back(), std::string("sc config   xmlprov start= DEMAND "));
  CHECK(program.Answers());
}

E2E_CASE(services_minimal_lines_arrive_with_their_odd_blanks) {
  e2e::Program program = LaunchWithStubs();
  const e2e::MessageBoxSeen box = ApplyProfile(program, Control::单选框1);
  REQUIRE(box.found);
  CHECK_EQ(box.icon, 64);
  const std::vector<std::string> log = e2e::StubLog();
  CHECK_EQ(log, ProfileLines(kelvaro::ServiceProfile::Minimal));
  auto logged = [&log](const std::string& line) {
    for (const std::string& entry : log) {
      if (entry == line) return true;
    }
    return false;
  };
  CHECK(logged("sc config   TrkWks start= DISABLED  "));
  CHECK(logged("sc config   LmHosts start= DISABLED"));
  CHECK(logged("sc config   seclogon start= disabled "));
}

E2E_CASE(services_not_installed_services_are_named_in_the_completion) {
  e2e::Program program = LaunchWithStubs("   ose =1060;   WMConnectCDS =1060");
  const e2e::MessageBoxSeen box = ApplyProfile(program, Control::单选框4);
  REQUIRE(box.found);
  CHECK_EQ(box.title, std::string(kDefaultTitle));
  CHECK_EQ(box.text, std::string("服务优化完毕！\r\n本机未安装的服务：ose、WMConnectCDS"));
  CHECK_EQ(box.icon, 64);
  CHECK_EQ(e2e::StubLog().size(), 82u);
}

E2E_CASE(services_every_command_refused_warns_in_one_line) {
  e2e::Program program = LaunchWithStubs("sc config=5");
  const e2e::MessageBoxSeen box = ApplyProfile(program, Control::单选框5);
  REQUIRE(box.found);
  CHECK_EQ(box.title, std::string(kDefaultTitle));
  CHECK_EQ(box.text, std::string("服务优化未能全部完成：\r\n"
                                 "所有命令都被拒绝：需要以管理员身份运行本程序。"));
  CHECK_EQ(box.icon, 48);
  CHECK_EQ(e2e::StubLog().size(), 80u);  // every command still ran
}

E2E_CASE(services_no_profile_chosen_runs_nothing) {
  e2e::Program program = LaunchWithStubs();
  program.SelectPage(kServicesPage);
  program.Click(Control::按钮6);
  const e2e::MessageBoxSeen box = program.WaitForMessageBox();
  REQUIRE(box.found);
  CHECK_EQ(box.title, std::string(kDefaultTitle));
  CHECK_EQ(box.text, std::string("请选择服务优化项目上执行！"));
  CHECK_EQ(box.icon, 16);
  CHECK(e2e::StubLog().empty());
}

E2E_CASE(services_all_four_optional_boxes_record_eight_lines_in_order) {
  e2e::Program program = LaunchWithStubs();
  program.SelectPage(kServicesPage);
  for (Control box : {Control::选择框1, Control::选择框2, Control::选择框3, Control::选择框4}) {
    program.Click(box);
  }
  program.Click(Control::按钮7);
  const e2e::MessageBoxSeen box = program.WaitForMessageBox();
  REQUIRE(box.found);
  CHECK_EQ(box.title, std::string(kDefaultTitle));
  CHECK_EQ(box.text, std::string("所选项目服务启动完毕！"));
  CHECK_EQ(box.icon, 64);
  CHECK_EQ(e2e::StubLog(), (std::vector<std::string>{
                               "sc config   upnphost start= auto ",
                               "net start upnphost",
                               "sc config   spooler start= auto ",
                               "net start spooler",
                               "sc config   ShellHWDetection start= auto ",
                               "net start ShellHWDetection",
                               "sc config   WZCSVC start= auto ",
                               "net start WZCSVC",
                           }));
}

E2E_CASE(services_optional_with_none_checked_asks_first) {
  e2e::Program program = LaunchWithStubs();
  program.SelectPage(kServicesPage);
  program.Click(Control::按钮7);
  const e2e::MessageBoxSeen box = program.WaitForMessageBox();
  REQUIRE(box.found);
  CHECK_EQ(box.text, std::string("请先选择欲启动项目！"));
  CHECK_EQ(box.icon, 16);
  CHECK(e2e::StubLog().empty());
}

E2E_CASE(services_failed_net_start_of_a_stopped_service_is_reported) {
  // net answers 2 and the service does not run afterwards: the real state query decides.
  e2e::Program program = LaunchWithStubs("net start=2");
  program.SelectPage(kServicesPage);
  program.Click(Control::选择框3);
  program.Click(Control::按钮7);
  const e2e::MessageBoxSeen box = program.WaitForMessageBox();
  REQUIRE(box.found);
  CHECK_EQ(box.text, std::string("所选服务未能全部启动：\r\n启动 WZCSVC（net 退出码 2）"));
  CHECK_EQ(box.icon, 48);
}

E2E_CASE(services_net_start_of_a_running_service_counts_as_started) {
  // Windows' net start answers 2 for a service that already runs.
  REQUIRE(StartRealService("Spooler"));
  e2e::Program program = LaunchWithStubs("net start=2");
  program.SelectPage(kServicesPage);
  program.Click(Control::选择框1);  // 开启打印服务
  program.Click(Control::按钮7);
  const e2e::MessageBoxSeen box = program.WaitForMessageBox();
  REQUIRE(box.found);
  CHECK_EQ(box.text, std::string("所选项目服务启动完毕！"));
  CHECK_EQ(box.icon, 64);
  CHECK_EQ(e2e::StubLog(),
           (std::vector<std::string>{"sc config   spooler start= auto ", "net start spooler"}));
}
