// 生成ADSL: merging the entry into an existing phone book, and the handler's
// steps and outcome.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/tools/connection_shortcut.h"
#include "actions/tools/connection_values.h"
#include "actions/tools/phone_book.h"
#include "actions/tools/tools_page.h"
#include "fake_form.h"
#include "fake_system.h"

namespace kelvaro {
namespace {

using namespace testing;

std::string Utf8(std::u8string_view text) {
  return {text.begin(), text.end()};
}

const std::string kEntry = PhoneBookEntry();
// Two other connections as a phone book holds them (names in UTF-8 and GBK).
const std::string kVpn = "[" + Utf8(u8"公司VPN") + "]\r\nEncoding=1\r\nType=2\r\n\r\n";
const std::string kDialUp = "[拨号]\r\nType=1\r\nPhoneNumber=16900\r\n\r\n";
const std::string kOldEntry = "[" + Utf8(u8"宽带连接") + "]\r\nType=5\r\nPreviewUserPw=0\r\n\r\n";

struct MergeCase {
  const char* name;
  std::string existing;
  std::string expected;
};

const std::vector<MergeCase> kMergeCases = {
    {"empty file", "", PhoneBookImage()},
    {"two other entries", "\xEF\xBB\xBF\r\n" + kVpn + kDialUp,
     "\xEF\xBB\xBF\r\n" + kVpn + kDialUp + kEntry},
    {"last line without line end", kVpn + "Type=2", kVpn + "Type=2\r\n" + kEntry},
    {"old entry between others", kVpn + kOldEntry + kDialUp, kVpn + kEntry + kDialUp},
    {"old entry last, without line end", kVpn + kOldEntry.substr(0, kOldEntry.size() - 4),
     kVpn + kEntry},
    {"old entry named in GBK", "[宽带连接]\r\nType=5\r\n\r\n" + kDialUp, kEntry + kDialUp},
    {"old entry right after the byte-order mark", "\xEF\xBB\xBF" + kOldEntry + kVpn,
     "\xEF\xBB\xBF" + kEntry + kVpn},
    {"LF line ends of others kept", "[A]\nType=1\n\n" + kOldEntry + "[B]\nType=2\n",
     "[A]\nType=1\n\n" + kEntry + "[B]\nType=2\n"},
    {"similar names are other entries", "[" + Utf8(u8"宽带连接2") + "]\r\nType=5\r\n",
     "[" + Utf8(u8"宽带连接2") + "]\r\nType=5\r\n" + kEntry},
    {"our own image", PhoneBookImage(), PhoneBookImage()},
};

TEST(PhoneBookMerge, KeepsOtherEntriesAndReplacesOrAddsOnlyOurs) {
  EXPECT_EQ(PhoneBookWithEntry(std::nullopt), PhoneBookImage());
  for (const MergeCase& test : kMergeCases) {
    const std::string merged = PhoneBookWithEntry(test.existing);
    EXPECT_EQ(merged, test.expected) << test.name;
    EXPECT_EQ(PhoneBookWithEntry(merged), merged) << test.name << ": second press";
  }
}

const std::string kLink = ConnectionShortcutImage();
constexpr char kDone[] = "宽带连接已成功建立！";
constexpr char kHeading[] = "宽带连接没有完全建立，以下步骤未成功：";
constexpr char kConfigure[] = "sc config  TapiSrv start= auto";
constexpr char kStart[] = "net start TapiSrv";

std::vector<Call> Steps(const std::string& phoneBook, const std::string& message, int style) {
  return {WriteFile(kPhoneBookPath, phoneBook), WriteFile(kShortcutPath, kLink),
          testing::Run(kConfigure), testing::Run(kStart), Message(message, style, "提示")};
}

std::string Warning(std::initializer_list<std::string> failed) {
  std::string text = kHeading;
  for (const std::string& step : failed)
    text += "\r\n" + step;
  return text;
}

TEST(CreateBroadbandConnection, FreshMachineGetsBothImagesAndTheServiceSteps) {
  FakeSystem system;
  FakeForm form;
  CreateBroadbandConnection(system, form);
  EXPECT_EQ(system.calls, Steps(PhoneBookImage(), kDone, kInformationIcon));
  EXPECT_EQ(system.progress,
            (std::vector<std::string>{"建立宽带连接 1/2", "建立宽带连接 2/2", ""}));

  // A second press writes the same two files and runs the same commands.
  system.calls.clear();
  CreateBroadbandConnection(system, form);
  EXPECT_EQ(system.calls, Steps(PhoneBookImage(), kDone, kInformationIcon));
  EXPECT_EQ(system.files[kPhoneBookPath], PhoneBookImage());
  EXPECT_EQ(system.files[kShortcutPath], kLink);
}

TEST(CreateBroadbandConnection, ExistingPhoneBookKeepsItsOtherEntries) {
  FakeSystem system;
  FakeForm form;
  system.files[kPhoneBookPath] = kVpn + kOldEntry + kDialUp;
  CreateBroadbandConnection(system, form);
  EXPECT_EQ(system.calls, Steps(kVpn + kEntry + kDialUp, kDone, kInformationIcon));
}

TEST(CreateBroadbandConnection, PhoneBookThatCannotBeReadIsLeftAlone) {
  FakeSystem system;
  FakeForm form;
  system.shortPaths[kPhoneBookPath] = "C:\\DOCUME~1\\ALLUSE~1\\APPLIC~1\\RASPHONE.PBK";
  CreateBroadbandConnection(system, form);
  EXPECT_EQ(
      system.calls,
      (std::vector<Call>{
          WriteFile(kShortcutPath, kLink), testing::Run(kConfigure), testing::Run(kStart),
          Message(Warning({std::string("读取已有的电话簿 ") + kPhoneBookPath + "（未作改动）"}),
                  kWarningIcon, "提示")}));
}

struct OutcomeCase {
  const char* name;
  std::function<bool(const std::string&)> writes;
  std::function<CommandResult(const std::string&)> runs;
  ServiceState tapi;
  std::string message;  // empty: success
};

CommandResult Exit(uint32_t code) {
  return {true, code};
}

const std::vector<OutcomeCase> kOutcomeCases = {
    {"net start on a running service", nullptr,
     [](const std::string& line) { return Exit(line == kStart ? 2 : 0); }, ServiceState::kRunning,
     ""},
    {"net start fails, service stopped", nullptr,
     [](const std::string& line) { return Exit(line == kStart ? 2 : 0); }, ServiceState::kStopped,
     Warning({"启动电话服务 TapiSrv（net 退出码 2）"})},
    {"service missing", nullptr,
     [](const std::string& line) { return Exit(line == kStart ? 2 : 1060); },
     ServiceState::kUnknown,
     Warning({"把电话服务 TapiSrv 设为自动启动（sc 退出码 1060）",
              "启动电话服务 TapiSrv（net 退出码 2）"})},
    {"sc cannot be started", nullptr,
     [](const std::string& line) { return line == kConfigure ? CommandResult{} : Exit(0); },
     ServiceState::kRunning, Warning({"把电话服务 TapiSrv 设为自动启动（无法运行 sc）"})},
    {"no folder for either file", [](const std::string&) { return false; }, nullptr,
     ServiceState::kRunning,
     Warning({std::string("写入电话簿 ") + kPhoneBookPath,
              std::string("写入桌面快捷方式 ") + kShortcutPath})},
    {"only the desktop is missing", [](const std::string& path) { return path != kShortcutPath; },
     nullptr, ServiceState::kRunning, Warning({std::string("写入桌面快捷方式 ") + kShortcutPath})},
};

TEST(CreateBroadbandConnection, EveryStepRunsAndFailuresAreNamed) {
  for (const OutcomeCase& test : kOutcomeCases) {
    FakeSystem system;
    FakeForm form;
    if (test.writes) system.writeFileSucceeds = test.writes;
    if (test.runs) system.runResult = test.runs;
    system.services["TapiSrv"] = test.tapi;
    CreateBroadbandConnection(system, form);
    const bool ok = test.message.empty();
    EXPECT_EQ(system.calls, Steps(PhoneBookImage(), ok ? kDone : test.message,
                                  ok ? kInformationIcon : kWarningIcon))
        << test.name;
    EXPECT_EQ(system.progress.back(), "") << test.name;
  }
}

}  // namespace
}  // namespace kelvaro
