// The six cleaning tasks of page 清系统, in the order they run: each is either
// a list of command lines or a script written to disk and run by its path.
#pragma once

#include <span>
#include <string_view>

#include "actions/clean/cleaning_scripts.h"
#include "actions/form.h"

namespace kelvaro {

// Deleting commands end with an error code when there is nothing to delete,
// which is normal; a command that creates something has to succeed.
enum class ExitCode { kIgnored, kMustBeZero };

struct CleaningCommand {
  const char* line;
  ExitCode exitCode = ExitCode::kIgnored;
};

// A script written to disk and then run by its path alone.
struct CleaningScript {
  const char* path;
  std::string_view bytes;
};

struct CleaningItem {
  Control box;
  const char* caption;
  std::span<const CleaningCommand> commands;  // empty for a script
  const CleaningScript* script = nullptr;     // nullptr for command lines

  // How many programs the item starts.
  constexpr int RunCount() const { return script ? 1 : static_cast<int>(commands.size()); }
};

// Log files. `del` and the %...% references need the command interpreter.
inline constexpr CleaningCommand kLogFileCommands[] = {
    {R"(cmd /cdel /f /s /q %systemdrive%\*.log)"},
    {R"(cmd /cdel /f /s /q %systemdrive%\*.old)"},
    {R"(cmd /cdel /f /s /q %windir%\*.log)"},
};

// Leaves only the "new" submenu on the folder background and drops two
// autostart entries of a graphics driver.
inline constexpr CleaningCommand kContextMenuCommands[] = {
    {R"(regsvr32 /u /s igfxpph.dll)"},
    {R"(reg delete HKEY_CLASSES_ROOT\Directory\Background\shellex\ContextMenuHandlers /f)"},
    {R"(reg add HKEY_CLASSES_ROOT\Directory\Background\shellex\ContextMenuHandlers\new /ve /d {D969A300-E7FF-11d0-A93B-00A0C90F2719})",
     ExitCode::kMustBeZero},
    {R"(reg delete HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Run /v HotKeysCmds /f)"},
    {R"(reg delete HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Run /v IgfxTray /f)"},
};

// The administrative shares: C$ is written in upper case, the other drive
// letters in lower case; the last two lines end in a blank.
inline constexpr CleaningCommand kShareCommands[] = {
    {"net share C$ /del"},    {"net share d$ /del"},      {"net share e$ /del"},
    {"net share f$ /del"},    {"net share g$ /del"},      {"net share h$ /del"},
    {"net share i$ /del"},    {"net share j$ /del"},      {"net share k$ /del"},
    {"net share l$ /del"},    {"net share m$ /del"},      {"net share n$ /del"},
    {"net share o$ /del"},    {"net share p$ /del"},      {"net share q$ /del"},
    {"net share r$ /del"},    {"net share s$ /del"},      {"net share t$ /del"},
    {"net share u$ /del"},    {"net share v$ /del"},      {"net share w$ /del"},
    {"net share x$ /del"},    {"net share y$ /del"},      {"net share z$ /del"},
    {"net share ipc$ /del "}, {"net share admin$ /del "},
};

inline constexpr CleaningScript kJunkScript{kQingLiPath, kQingLiScript};
inline constexpr CleaningScript kCookieScript{kDelCookiesPath, kDelCookiesScript};
inline constexpr CleaningScript kAutorunScript{kAutorunInfPath, kAutorunInfScript};

inline constexpr CleaningItem kCleaningItems[] = {
    {Control::选择框11, "清理系统垃圾", {}, &kJunkScript},
    {Control::选择框12, "清理日志文件", kLogFileCommands},
    {Control::选择框13, "清除多余右键菜单", kContextMenuCommands},
    {Control::选择框14, "删除默认共享", kShareCommands},
    {Control::选择框15, "清空 Cookies", {}, &kCookieScript},
    {Control::选择框16, "清理、免疫Autorun.inf", {}, &kAutorunScript},
};

}  // namespace kelvaro
