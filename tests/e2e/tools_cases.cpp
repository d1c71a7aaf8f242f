// The page 小工具 and the power and tray buttons, run for real in the test prefix.
#include "actions/tools/connection_shortcut.h"
#include "actions/tools/connection_values.h"
#include "actions/tools/phone_book.h"
#include "tests/e2e/harness.h"

namespace {

constexpr int kToolsPage = 4;
constexpr char kDone[] = "宽带连接已成功建立！";
constexpr char kDesktop[] = "C:\\Documents and Settings\\All Users\\桌面";

std::vector<std::string> Lines(std::initializer_list<std::string> lines) {
  return lines;
}

std::string Utf8(std::u8string_view text) {
  return {text.begin(), text.end()};
}

// Recording stubs under these names, exiting with the given codes.
e2e::LaunchOptions WithStubs(std::vector<std::string> names, std::string exitCodes = {}) {
  return {.stubs = std::move(names), .stubExitCodes = std::move(exitCodes), .stubDelayMs = 0};
}

// A machine that has never had the connection.
void RemoveConnectionFiles() {
  DeleteFileA(kelvaro::kPhoneBookPath);
  DeleteFileA(kelvaro::kShortcutPath);
}

// A folder out of the way for one case, back in place however the case ends.
struct FolderMovedAway {
  std::string path, away;
  bool moved;
  explicit FolderMovedAway(std::string folder)
      : path(std::move(folder)),
        away(path + ".away"),
        moved(MoveFileA(path.c_str(), away.c_str())) {}
  ~FolderMovedAway() {
    if (moved) MoveFileA(away.c_str(), path.c_str());
  }
};

// Presses 生成ADSL and returns the closing message.
e2e::MessageBoxSeen PressBroadband(e2e::Program& program) {
  program.SelectPage(kToolsPage);
  program.Click("生成ADSL");
  return program.WaitForMessageBox();
}

}  // namespace

E2E_CASE(tools_broadband_writes_both_files_and_runs_the_service_commands) {
  REQUIRE(e2e::IsFolder(kDesktop));
  RemoveConnectionFiles();
  e2e::Program program = e2e::Program::Launch(WithStubs({"sc", "net"}));

  for (int press = 1; press <= 2; ++press) {
    const e2e::MessageBoxSeen box = PressBroadband(program);
    REQUIRE(box.found);
    CHECK_EQ(box.title, std::string("提示"));
    CHECK_EQ(box.text, std::string(kDone));
    CHECK_EQ(box.icon, 64);

    const std::optional<std::string> book = e2e::ReadFileBytes(kelvaro::kPhoneBookPath);
    const std::optional<std::string> link = e2e::ReadFileBytes(kelvaro::kShortcutPath);
    REQUIRE(book && link);
    CHECK_EQ(book->size(), 1632u);
    CHECK_EQ(link->size(), 524u);
    CHECK(*book == kelvaro::PhoneBookImage());
    CHECK(*link == kelvaro::ConnectionShortcutImage());
  }
  // Nothing but the two files: no temporary file left on the desktop.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((std::string(kDesktop) + "\\*").c_str(), &found);
  int files = 0;
  if (search != INVALID_HANDLE_VALUE) {
    do {
      files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  CHECK_EQ(files, 1);
  CHECK_EQ(e2e::StubLog(), Lines({"sc config  TapiSrv start= auto", "net start TapiSrv",
                                  "sc config  TapiSrv start= auto", "net start TapiSrv"}));
  RemoveConnectionFiles();
}

E2E_CASE(tools_broadband_keeps_the_other_entries_of_the_phone_book) {
  const std::string vpn =
      Utf8(u8"\uFEFF\r\n[公司VPN]\r\nEncoding=1\r\nType=2\r\nPhoneNumber=vpn.example\r\n\r\n");
  const std::string old = Utf8(u8"[宽带连接]\r\nEncoding=1\r\nType=5\r\n\r\n");
  const std::string dialUp = "[Dial-up]\r\nType=1\r\nPhoneNumber=16900\r\n";
  REQUIRE(e2e::WriteFileBytes(kelvaro::kPhoneBookPath, vpn + old + dialUp));
  e2e::Program program = e2e::Program::Launch(WithStubs({"sc", "net"}));

  const e2e::MessageBoxSeen box = PressBroadband(program);
  CHECK_EQ(box.text, std::string(kDone));
  CHECK(e2e::ReadFileBytes(kelvaro::kPhoneBookPath) == vpn + kelvaro::PhoneBookEntry() + dialUp);
  RemoveConnectionFiles();
}

E2E_CASE(tools_broadband_names_the_steps_that_failed) {
  RemoveConnectionFiles();
  // No desktop folder to put the shortcut in; no telephony service to configure.
  FolderMovedAway desktop(kDesktop);
  REQUIRE(desktop.moved);
  e2e::Program program =
      e2e::Program::Launch(WithStubs({"sc", "net"}, "sc config=1060;net start=2"));

  const e2e::MessageBoxSeen box = PressBroadband(program);
  CHECK_EQ(box.title, std::string("提示"));
  CHECK_EQ(box.icon, 48);
  CHECK_EQ(box.text, "宽带连接没有完全建立，以下步骤未成功：\r\n写入桌面快捷方式 " +
                         std::string(kelvaro::kShortcutPath) +
                         "\r\n把电话服务 TapiSrv 设为自动启动（sc 退出码 1060）"
                         "\r\n启动电话服务 TapiSrv（net 退出码 2）");
  // The phone book is still written.
  CHECK(e2e::ReadFileBytes(kelvaro::kPhoneBookPath) == kelvaro::PhoneBookImage());
  CHECK(!e2e::PathExists(kelvaro::kShortcutPath));
  RemoveConnectionFiles();
}

namespace {

// Documents the shell launchers open: each class gets a recording handler for
// its default action and another for "open", so the log tells them apart.
constexpr char kSystem32[] = "C:\\windows\\system32\\";
const char* const kDocuments[] = {"gpedit.msc", "devmgmt.msc", "services.msc", "fsmgmt.msc",
                                  "appwiz.cpl", "wuaucpl.cpl", "eventvwr.msc", "certmgr.msc"};
const char* const kClasses[][2] = {{".msc", "mscfile"}, {".cpl", "cplfile"}};

struct ShellRecording {
  std::vector<std::string> madeFiles;
  bool madeMscExtension = false;

  ShellRecording() {
    madeMscExtension = !e2e::ReadRegistryText(HKEY_CLASSES_ROOT, ".msc", "");
    for (const auto& [extension, type] : kClasses) {
      e2e::WriteRegistryText(HKEY_CLASSES_ROOT, extension, "", type);
      const std::string shell = std::string(type) + "\\shell";
      e2e::WriteRegistryText(HKEY_CLASSES_ROOT, shell, "", "kelvarotest");
      e2e::WriteRegistryText(HKEY_CLASSES_ROOT, shell + "\\kelvarotest\\command", "",
                             "C:\\kelvaro\\stub.exe default \"%1\"");
      e2e::WriteRegistryText(HKEY_CLASSES_ROOT, shell + "\\open\\command", "",
                             "C:\\kelvaro\\stub.exe open \"%1\"");
    }
    for (const char* document : kDocuments) {
      const std::string path = std::string(kSystem32) + document;
      if (!e2e::PathExists(path) && e2e::WriteFileBytes(path, "")) madeFiles.push_back(path);
    }
  }
  ~ShellRecording() {
    for (const std::string& path : madeFiles)
      DeleteFileA(path.c_str());
    for (const auto& [extension, type] : kClasses) {
      const std::string shell = std::string(type) + "\\shell";
      e2e::DeleteRegistryKey(HKEY_CLASSES_ROOT, shell + "\\kelvarotest");
      e2e::DeleteRegistryKey(HKEY_CLASSES_ROOT, shell + "\\open");
      HKEY key;
      if (RegOpenKeyExA(HKEY_CLASSES_ROOT, shell.c_str(), 0, KEY_SET_VALUE, &key) == 0) {
        RegDeleteValueA(key, "");
        RegCloseKey(key);
      }
    }
    if (madeMscExtension) {
      e2e::DeleteRegistryKey(HKEY_CLASSES_ROOT, ".msc");
      e2e::DeleteRegistryKey(HKEY_CLASSES_ROOT, "mscfile");
    }
  }
};

// Waits until the stubs have recorded `count` lines.
std::vector<std::string> WaitForStubLines(size_t count) {
  std::vector<std::string> log;
  for (int i = 0; i < 100 && (log = e2e::StubLog()).size() < count; ++i)
    e2e::Sleep(50);
  return log;
}

std::string Opened(const char* how, const char* document) {
  return std::string("C:\\kelvaro\\stub.exe ") + how + " \"" + kSystem32 + document + "\"";
}

}  // namespace

E2E_CASE(tools_each_launcher_starts_exactly_its_target) {
  ShellRecording recording;
  e2e::Program program = e2e::Program::Launch(
      WithStubs({"regedit", "dxdiag", "msconfig", "mstsc", "chkdsk", "control", "explorer"}));
  program.SelectPage(kToolsPage);

  const std::pair<const char*, std::string> launchers[] = {
      {"注册表", "regedit.exe"},
      {"组策略", Opened("default", "gpedit.msc")},
      {"DX诊断", "dxdiag.exe"},
      {"系统配置", "msconfig.exe"},
      {"设备管理", Opened("open", "devmgmt.msc")},
      {"远程桌面", "mstsc.exe"},
      {"服务配置", Opened("default", "services.msc")},
      {"磁盘检测", "chkdsk.exe"},
      {"共享管理", Opened("default", "fsmgmt.msc")},
      {"程序卸载", Opened("default", "appwiz.cpl")},
      {"控制面板", "control.exe"},
      {"XP更新", Opened("default", "wuaucpl.cpl")},
      {"计划任务",
       "explorer.exe ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{21EC2020-3AEA-1069-A2DD-"
       "08002B30309D}\\::{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"},
      {"事件查看", Opened("default", "eventvwr.msc")},
      {"证书管理", Opened("default", "certmgr.msc")},
  };
  size_t count = 0;
  for (const auto& [caption, expected] : launchers) {
    program.Click(caption);
    const std::vector<std::string> log = WaitForStubLines(++count);
    REQUIRE(log.size() == count);
    CHECK_EQ(log.back(), expected);
    CHECK(program.Answers());
  }
  // Silent on success.
  CHECK(!program.WaitForMessageBox(500).found);
}

E2E_CASE(tools_launcher_without_its_tool_names_it_in_an_error) {
  // This prefix, like XP Home, has no gpedit.msc and nothing to open it with.
  REQUIRE(!e2e::PathExists(std::string(kSystem32) + "gpedit.msc"));
  e2e::Program program = e2e::Program::Launch();
  program.SelectPage(kToolsPage);
  program.Click("组策略");
  const e2e::MessageBoxSeen box = program.WaitForMessageBox(10000);
  REQUIRE(box.found);
  CHECK_EQ(box.icon, 16);
  CHECK_EQ(box.title, std::string("信息："));
  CHECK_EQ(box.text, std::string("无法启动“组策略”（gpedit.msc），这台电脑上可能没有这个工具。"));
  CHECK(program.Running());
}

E2E_CASE(tools_tray_buttons_return_without_a_message) {
  // The test prefix has no CD drive.
  e2e::Program program = e2e::Program::Launch();
  for (const char* caption : {"弹出光驱", "关闭光驱"}) {
    program.Click(caption);
    CHECK(!program.WaitForMessageBox(1500).found);
    CHECK(program.Answers());
  }
}

// Log-off and the other session ends make Wine send WM_QUERYENDSESSION and
// WM_ENDSESSION to every windowed process of the prefix and end them. Cases
// run one at a time, so only this case's own program has windows here; the
// driver has none and survives. Each press gets a program of its own, and the
// case ends by showing that the prefix still opens windows for the cases after it.
E2E_CASE(tools_power_buttons_end_the_session_without_a_question) {
  for (const char* caption : {"注销电脑", "重启电脑", "关机"}) {
    e2e::Program program = e2e::Program::Launch();
    program.Click(caption);
    const bool ended = program.WaitForExit(15000);
    CHECK(ended);
    if (!ended) {
      const e2e::MessageBoxSeen box = program.WaitForMessageBox(1000);
      CHECK_EQ(box.text, std::string("(no message expected)"));
    }
  }
  e2e::Program after = e2e::Program::Launch();
  CHECK(after.Answers());
  after.Click("退出软件");
  CHECK(after.WaitForExit(10000));
}
