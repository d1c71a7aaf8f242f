// The page 清系统 run for real in the test prefix: the scripts under Wine's cmd,
// Wine's reg for the context menu, and recording stubs for net, taskkill and the
// restarted desktop shell (a real taskkill of explorer.exe ends Wine's desktop).
#include "actions/clean/cleaning_scripts.h"
#include "tests/e2e/harness.h"

namespace {

using C = kelvaro::Control;

constexpr int kCleanPage = 3;
constexpr char kDone[] = "系统清理成功！";
// The junk and log searches walk the whole of C:.
constexpr int kCleaningTime = 240000;

constexpr char kContextMenuKey[] = "Directory\\Background\\shellex\\ContextMenuHandlers";
constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kNewMenuClass[] = "{D969A300-E7FF-11d0-A93B-00A0C90F2719}";

std::string Expand(const std::string& text) {
  char buffer[MAX_PATH];
  const DWORD length = ExpandEnvironmentStringsA(text.c_str(), buffer, sizeof buffer);
  return length && length <= sizeof buffer ? std::string(buffer, length - 1) : text;
}

// The scripts walk every drive: only the prefix's own C: and D: may exist.
void RequireOnlyOwnDrives() {
  REQUIRE(GetLogicalDrives() == ((1u << ('C' - 'A')) | (1u << ('D' - 'A'))));
}

void Seed(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  e2e::MakeFolders(path.substr(0, path.rfind('\\')));
  REQUIRE(e2e::WriteFileBytes(path, "seed " + path));
  REQUIRE(SetFileAttributesA(path.c_str(), attributes));
}

// Ticks the given boxes, presses 清理 and returns the closing message.
e2e::MessageBoxSeen Clean(e2e::Program& program, std::initializer_list<C> items) {
  program.SelectPage(kCleanPage);
  for (C item : items)
    program.SetChecked(item, true);
  program.Click(C::按钮9);
  return program.WaitForMessageBox(kCleaningTime);
}

void CheckSucceeded(const e2e::MessageBoxSeen& box) {
  REQUIRE(box.found);
  CHECK_EQ(box.title, std::string("信息："));
  CHECK_EQ(box.text, std::string(kDone));
  CHECK_EQ(box.icon, 64);
}

// Names in a folder, "." and ".." left out; folders end in a backslash. Read
// from the folder listing, as names ending in a full stop cannot be opened by path.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..")
      names.push_back(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? name + "\\" : name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// Files anywhere under a folder, hidden ones too.
int FilesUnder(const std::string& folder) {
  int files = 0;
  for (const std::string& name : Entries(folder)) {
    files += name.ends_with('\\') ? FilesUnder(folder + "\\" + name.substr(0, name.size() - 1)) : 1;
  }
  return files;
}

std::vector<std::string> Subkeys(HKEY root, const std::string& key) {
  std::vector<std::string> names;
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return names;
  char name[256];
  for (DWORD i = 0, size = sizeof name;
       RegEnumKeyExA(handle, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i, size = sizeof name) {
    names.push_back(name);
  }
  RegCloseKey(handle);
  return names;
}

void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& value) {
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, &handle) == ERROR_SUCCESS) {
    RegDeleteValueA(handle, value.c_str());
    RegCloseKey(handle);
  }
}

}  // namespace

E2E_CASE(clean_select_all_gives_the_six_boxes_its_state) {
  e2e::Program program = e2e::Program::Launch();
  program.SelectPage(kCleanPage);
  const C items[] = {C::选择框11, C::选择框12, C::选择框13, C::选择框14, C::选择框15, C::选择框16};
  program.SetChecked(C::选择框13, true);

  program.SetChecked(C::选择框17, true);
  for (C item : items)
    CHECK(program.IsChecked(item));
  // An item box does not change 全选.
  program.SetChecked(C::选择框12, false);
  CHECK(program.IsChecked(C::选择框17));

  program.SetChecked(C::选择框17, false);
  for (C item : items)
    CHECK(!program.IsChecked(item));
}

E2E_CASE(clean_junk_files_go_and_other_files_stay) {
  RequireOnlyOwnDrives();
  const std::string junk[] = {
      "C:\\cleantest\\a\\old.tmp",
      "C:\\cleantest\\b\\found.chk",
      "C:\\Windows\\Temp\\leftover.dat",
      "C:\\Windows\\Temp\\setup\\part.dat",
      Expand("%TEMP%\\download.part"),
      Expand("%USERPROFILE%\\Recent\\report.lnk"),
      Expand("%USERPROFILE%\\Local Settings\\Temporary Internet Files\\page.htm"),
      "D:\\Personal\\Temp\\moved.dat",
      "D:\\Personal\\Recent\\moved.lnk",
  };
  const std::string kept[] = {
      "C:\\cleantest\\a\\notes.txt",
      "C:\\cleantest\\b\\photo.jpg",
      "D:\\Personal\\keep.txt",
  };
  for (const std::string& path : junk)
    Seed(path);
  for (const std::string& path : kept)
    Seed(path);
  e2e::Program program = e2e::Program::Launch();

  CheckSucceeded(Clean(program, {C::选择框11}));
  for (const std::string& path : junk)
    CHECK_EQ(e2e::PathExists(path) ? path : std::string(), std::string());
  for (const std::string& path : kept)
    CHECK_EQ(e2e::PathExists(path) ? std::string() : path, std::string());
  // The temporary folders are made again, empty; the one under D:\Personal is not.
  CHECK(e2e::IsFolder("C:\\Windows\\Temp"));
  CHECK(e2e::IsFolder(Expand("%TEMP%")));
  CHECK(!e2e::PathExists("D:\\Personal\\Temp"));
  CHECK(!e2e::PathExists(kelvaro::kQingLiPath));
  e2e::RemoveTree("C:\\cleantest");
  e2e::RemoveTree("D:\\Personal");
}

E2E_CASE(clean_log_files_go_through_the_command_interpreter) {
  RequireOnlyOwnDrives();
  const std::string logs[] = {"C:\\cleantest\\logs\\app.log", "C:\\cleantest\\logs\\app.old",
                              "C:\\Windows\\cleantest.log"};
  Seed(logs[0], FILE_ATTRIBUTE_READONLY);
  Seed(logs[1]);
  Seed(logs[2]);
  Seed("C:\\cleantest\\logs\\app.txt");
  e2e::Program program = e2e::Program::Launch();

  CheckSucceeded(Clean(program, {C::选择框12}));
  for (const std::string& path : logs)
    CHECK_EQ(e2e::PathExists(path) ? path : std::string(), std::string());
  CHECK(e2e::PathExists("C:\\cleantest\\logs\\app.txt"));
  e2e::RemoveTree("C:\\cleantest");
}

E2E_CASE(clean_context_menu_keeps_only_the_new_submenu) {
  e2e::DeleteRegistryKey(HKEY_CLASSES_ROOT, kContextMenuKey);
  REQUIRE(e2e::WriteRegistryText(HKEY_CLASSES_ROOT, std::string(kContextMenuKey) + "\\igfxcui", "",
                                 "{3AB1675A-CCFF-11D2-8B20-00A0C93CB1F4}"));
  REQUIRE(e2e::WriteRegistryText(HKEY_CLASSES_ROOT, std::string(kContextMenuKey) + "\\Sharing", "",
                                 "{f81e9010-6ea4-11ce-a7ff-00aa003ca9f6}"));
  REQUIRE(e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kRunKey, "HotKeysCmds", "hkcmd.exe"));
  REQUIRE(e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kRunKey, "IgfxTray", "igfxtray.exe"));
  REQUIRE(e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kRunKey, "CleanTestKeep", "keep.exe"));
  e2e::Program program = e2e::Program::Launch();

  // regsvr32 finds no igfxpph.dll here; that is no failure.
  CheckSucceeded(Clean(program, {C::选择框13}));
  CHECK_EQ(Subkeys(HKEY_CLASSES_ROOT, kContextMenuKey), std::vector<std::string>{"new"});
  CHECK_EQ(e2e::ReadRegistryText(HKEY_CLASSES_ROOT, std::string(kContextMenuKey) + "\\new", ""),
           std::optional<std::string>(kNewMenuClass));
  CHECK(!e2e::ReadRegistryText(HKEY_LOCAL_MACHINE, kRunKey, "HotKeysCmds"));
  CHECK(!e2e::ReadRegistryText(HKEY_LOCAL_MACHINE, kRunKey, "IgfxTray"));
  CHECK_EQ(e2e::ReadRegistryText(HKEY_LOCAL_MACHINE, kRunKey, "CleanTestKeep"),
           std::optional<std::string>("keep.exe"));
  DeleteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, "CleanTestKeep");
}

E2E_CASE(clean_cookies_removes_every_file_hidden_ones_too) {
  const std::string cookies = Expand("%USERPROFILE%\\Cookies");
  Seed(cookies + "\\user@example[1].txt");
  Seed(cookies + "\\index.dat", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  Seed(cookies + "\\locked.txt", FILE_ATTRIBUTE_READONLY);
  Seed(cookies + "\\Low\\user@shop[2].txt", FILE_ATTRIBUTE_HIDDEN);
  REQUIRE(FilesUnder(cookies) == 4);
  e2e::Program program = e2e::Program::Launch();

  CheckSucceeded(Clean(program, {C::选择框15}));
  CHECK_EQ(FilesUnder(cookies), 0);
  CHECK(!e2e::PathExists(kelvaro::kDelCookiesPath));
  e2e::RemoveTree(cookies + "\\Low");
}

// Wine's cmd cannot run the drive loop of the script as Windows' cmd does: it
// takes no "@(" as the start of a block, ends a block at a line of blanks, and
// finds no bare drive with "if exist C:". So this case checks the run of the
// script itself, and the next one what its lines do to each drive.
E2E_CASE(clean_autorun_restarts_the_shell_and_removes_its_script) {
  RequireOnlyOwnDrives();
  e2e::Program program = e2e::Program::Launch(
      {.stubs = {"taskkill", "explorer"}, .stubExitCodes = "", .stubDelayMs = 0});

  CheckSucceeded(Clean(program, {C::选择框16}));
  // The shell is ended, then started again by its name from the current folder.
  CHECK_EQ(e2e::StubLog(), (std::vector<std::string>{"taskkill /im explorer.exe /f",
                                                     "\"C:\\kelvaro\\explorer.exe\" "}));
  CHECK(!e2e::PathExists(kelvaro::kAutorunInfPath));
  RequireOnlyOwnDrives();
}

E2E_CASE(clean_autorun_lines_put_a_guarded_folder_on_each_drive) {
  RequireOnlyOwnDrives();
  // A file of that name on C:, a folder with content on D:.
  e2e::RemoveTree("C:\\autorun.inf");
  e2e::RemoveTree("D:\\autorun.inf");
  Seed("C:\\autorun.inf");
  Seed("D:\\autorun.inf\\open.exe");

  // The block of the drive loop (lines 4 to 8 of the image), once for each drive.
  std::vector<std::string_view> lines;
  std::string_view image = kelvaro::kAutorunInfScript;
  for (size_t end; (end = image.find("\r\n")) != std::string_view::npos;
       image.remove_prefix(end + 2)) {
    lines.push_back(image.substr(0, end));
  }
  std::string unrolled;
  for (char drive : {'C', 'D'}) {
    for (size_t i = 3; i <= 7; ++i) {
      std::string_view line = lines[i].substr(lines[i].find_first_not_of(' '));
      for (size_t at; (at = line.find("%%a")) != std::string_view::npos;
           line.remove_prefix(at + 3)) {
        unrolled.append(line.substr(0, at)).push_back(drive);
      }
      unrolled.append(line).append("\r\n");
    }
  }
  const std::string script = std::string(e2e::kProgramFolder) + "\\autorun_lines.cmd";
  REQUIRE(e2e::WriteFileBytes(script, unrolled));
  CHECK_EQ(e2e::RunAndWait("cmd /c " + script), 0);

  for (const char* drive : {"C:", "D:"}) {
    const std::string folder = std::string(drive) + "\\autorun.inf";
    REQUIRE(e2e::IsFolder(folder));
    // Wine's attrib applies only the last of its flags, +s.
    CHECK(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_SYSTEM);
    // Wine keeps one of the two full stops of the guard folder's name.
    CHECK_EQ(Entries(folder), std::vector<std::string>{"病毒免疫勿删除.\\"});
  }
  RequireOnlyOwnDrives();
  DeleteFileA(script.c_str());
  e2e::RemoveTree("C:\\autorun.inf");
  e2e::RemoveTree("D:\\autorun.inf");
}

E2E_CASE(clean_shares_runs_the_26_lines_in_order) {
  // Shares that are not there make net fail; that is no failure of the cleaning.
  e2e::Program program = e2e::Program::Launch(
      {.stubs = {"net"}, .stubExitCodes = "ipc$=2;admin$=2", .stubDelayMs = 0});

  CheckSucceeded(Clean(program, {C::选择框14}));
  std::vector<std::string> expected = {"net share C$ /del"};
  for (char letter = 'd'; letter <= 'z'; ++letter)
    expected.push_back(std::string("net share ") + letter + "$ /del");
  expected.push_back("net share ipc$ /del ");
  expected.push_back("net share admin$ /del ");
  CHECK_EQ(e2e::StubLog(), expected);
}

E2E_CASE(clean_reports_a_script_that_cannot_be_written) {
  // A folder in the script's place: the script cannot be written, and it is not run.
  e2e::MakeFolders(kelvaro::kDelCookiesPath);
  e2e::Program program =
      e2e::Program::Launch({.stubs = {"net"}, .stubExitCodes = "", .stubDelayMs = 0});

  const e2e::MessageBoxSeen box = Clean(program, {C::选择框14, C::选择框15});
  REQUIRE(box.found);
  CHECK_EQ(box.title, std::string("信息："));
  CHECK_EQ(box.icon, 48);
  CHECK_EQ(box.text, "系统清理未能全部完成，以下步骤失败：\r\n清空 Cookies：无法写入 " +
                         std::string(kelvaro::kDelCookiesPath));
  // The other item still ran.
  CHECK_EQ(e2e::StubLog().size(), 26u);
  e2e::RemoveTree(kelvaro::kDelCookiesPath);
}
