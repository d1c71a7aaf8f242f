// The system operations against the real Win32 calls, inside the test prefix.
#include <process.h>

#include "platform/win32/win32_system.h"
#include "tests/e2e/harness.h"

using kelvaro::Win32System;

namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kScratch[] = "C:\\kelvaro-scratch";

// Runs a blocking operation on a thread of its own while the case looks at its window.
template <typename Function>
struct Background {
  Function function;
  HANDLE thread = nullptr;
  explicit Background(Function f) : function(std::move(f)) {
    thread = reinterpret_cast<HANDLE>(_beginthreadex(
        nullptr, 0,
        [](void* self) -> unsigned {
          static_cast<Background*>(self)->function();
          return 0;
        },
        this, 0, nullptr));
  }
  bool Join(int milliseconds) { return WaitForSingleObject(thread, milliseconds) == WAIT_OBJECT_0; }
  ~Background() {
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
  }
};

}  // namespace

E2E_CASE(operations_registry_writes_under_both_roots) {
  Win32System system;
  e2e::DeleteRegistryKey(HKEY_CURRENT_USER, "Software\\KelvaroTest");
  CHECK(system.WriteRegistryText(3, std::string(kShellFolders) + "\\KelvaroProbe", "D:\\x"));
  CHECK_EQ(e2e::ReadRegistryText(HKEY_CURRENT_USER, kShellFolders, "KelvaroProbe"),
           std::optional<std::string>("D:\\x"));
  CHECK(system.WriteRegistryText(5, ".DEFAULT\\Software\\KelvaroTest\\Deep\\Value", "默认"));
  CHECK_EQ(e2e::ReadRegistryText(HKEY_USERS, ".DEFAULT\\Software\\KelvaroTest\\Deep", "Value"),
           std::optional<std::string>("默认"));
  // Missing keys are created; a trailing backslash writes the default value.
  CHECK(system.WriteRegistryText(3, "Software\\KelvaroTest\\New\\Key\\", "默认值"));
  CHECK_EQ(e2e::ReadRegistryText(HKEY_CURRENT_USER, "Software\\KelvaroTest\\New\\Key", ""),
           std::optional<std::string>("默认值"));
  // D5 5C is one GBK character whose second byte equals a backslash: the key keeps it.
  CHECK(system.WriteRegistryText(3, "Software\\KelvaroTest\\\xD5\x5C\\Name", "v"));
  CHECK_EQ(e2e::ReadRegistryText(HKEY_CURRENT_USER, "Software\\KelvaroTest\\\xD5\x5C", "Name"),
           std::optional<std::string>("v"));
  // The ideographic comma of a value name stays in the name.
  CHECK(system.WriteRegistryText(3, "Software\\KelvaroTest\\Outlook Express\\5.0、Store Root",
                                 "E:\\OE"));
  CHECK_EQ(e2e::ReadRegistryText(HKEY_CURRENT_USER, "Software\\KelvaroTest\\Outlook Express",
                                 "5.0、Store Root"),
           std::optional<std::string>("E:\\OE"));
  e2e::DeleteRegistryKey(HKEY_CURRENT_USER, "Software\\KelvaroTest");
  e2e::DeleteRegistryKey(HKEY_USERS, ".DEFAULT\\Software\\KelvaroTest");
  RegDeleteValueA(
      HKEY_CURRENT_USER,
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\KelvaroProbe");
}

E2E_CASE(operations_files_are_written_whole_and_folders_one_level) {
  Win32System system;
  e2e::RemoveTree(kScratch);
  CHECK(system.CreateFolder(kScratch));
  const std::string file = std::string(kScratch) + "\\a.cmd";
  CHECK(e2e::WriteFileBytes(file, std::string(5000, 'x')));
  CHECK(system.WriteFileBytes(file, "del %0"));
  CHECK_EQ(e2e::ReadFileBytes(file), std::optional<std::string>("del %0"));
  CHECK(system.WriteFileBytes(file, ""));
  CHECK_EQ(e2e::ReadFileBytes(file), std::optional<std::string>(""));
  // Only the file itself is left: no temporary file beside it.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((std::string(kScratch) + "\\*").c_str(), &found);
  int entries = 0;
  do {
    if (found.cFileName[0] != '.') ++entries;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  CHECK_EQ(entries, 1);

  CHECK(!system.WriteFileBytes(std::string(kScratch) + "\\missing\\b.cmd", "x"));
  CHECK(!e2e::PathExists(std::string(kScratch) + "\\missing"));
  CHECK(!system.WriteFileBytes("", "x"));

  CHECK(!system.CreateFolder(kScratch));  // exists: false, contents untouched
  CHECK(e2e::PathExists(file));
  CHECK(!system.CreateFolder(std::string(kScratch) + "\\x\\y"));
  CHECK(!e2e::PathExists(std::string(kScratch) + "\\x"));
  e2e::RemoveTree(kScratch);
}

E2E_CASE(operations_run_command_waits_and_reports_the_exit_code) {
  Win32System system;
  DWORD start = GetTickCount();
  CHECK_EQ(system.RunCommand("kelvaro-no-such-program.exe /x", true, 1),
           (kelvaro::CommandResult{false, 0}));
  CHECK(GetTickCount() - start < 2000);

  SetEnvironmentVariableA("KELVARO_STUB_LOG", "C:\\kelvaro\\ops-log.txt");
  SetEnvironmentVariableA("KELVARO_STUB_EXIT", "exit-seven=7");
  SetEnvironmentVariableA("KELVARO_STUB_DELAY_MS", "400");
  start = GetTickCount();
  const kelvaro::CommandResult result =
      system.RunCommand("C:\\kelvaro\\stub.exe exit-seven  ", true, 1);
  CHECK(GetTickCount() - start >= 380);
  CHECK_EQ(result, (kelvaro::CommandResult{true, 7}));
  CHECK_EQ(e2e::ReadFileBytes("C:\\kelvaro\\ops-log.txt"),
           std::optional<std::string>("C:\\kelvaro\\stub.exe exit-seven  \n"));
  DeleteFileA("C:\\kelvaro\\ops-log.txt");
  SetEnvironmentVariableA("KELVARO_STUB_DELAY_MS", nullptr);
}

E2E_CASE(operations_message_box_defaults_its_title) {
  Win32System system;
  Background box([&] { system.ShowMessage("服务优化完毕！", kelvaro::kInformationIcon, ""); });
  const e2e::MessageBoxSeen seen = e2e::WaitForMessageBoxOf(GetCurrentProcessId(), 10000);
  CHECK(box.Join(5000));
  CHECK_EQ(seen.title, std::string("信息："));
  CHECK_EQ(seen.text, std::string("服务优化完毕！"));
  CHECK_EQ(seen.icon, 64);

  Background titled(
      [&] { system.ShowMessage("请选择合适的分辨率！", kelvaro::kErrorIcon, "提示"); });
  const e2e::MessageBoxSeen error = e2e::WaitForMessageBoxOf(GetCurrentProcessId(), 10000);
  CHECK(titled.Join(5000));
  CHECK_EQ(error.title, std::string("提示"));
  CHECK_EQ(error.icon, 16);
}

E2E_CASE(operations_folder_picker_cancelled_gives_nothing) {
  Win32System system;
  std::string chosen = "unchanged";
  Background picker([&] { chosen = system.BrowseForFolder("请选择目标目录"); });
  HWND dialog = nullptr;
  for (int i = 0; i < 200 && !dialog; ++i) {
    e2e::Sleep(50);
    dialog = FindWindowA("#32770", nullptr);
  }
  REQUIRE(dialog);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  CHECK(picker.Join(10000));
  CHECK_EQ(chosen, std::string());
}

E2E_CASE(operations_display_readings_match_the_desktop) {
  Win32System system;
  CHECK_EQ(system.GetScreenSize(), (kelvaro::ScreenSize{1280, 1024}));
  const kelvaro::DisplayMode mode = system.GetDisplayMode();
  CHECK_EQ(mode.width, 1280);
  CHECK_EQ(mode.height, 1024);
  CHECK(mode.bitsPerPixel > 0);
}

E2E_CASE(operations_only_the_sandbox_drives_exist) {
  Win32System system;
  std::string drives;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (system.DriveExists(letter)) drives += letter;
  }
  CHECK_EQ(drives, std::string("CD"));
}
