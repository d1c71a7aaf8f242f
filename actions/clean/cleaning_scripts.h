// The three cleaning scripts as the bytes written to disk: GBK text, CR LF
// between lines, no line end after the final "del %0", which removes the script.
#pragma once

#include <string_view>

namespace kelvaro {

// clang-format off
// Junk files on the system drive, in the Windows folder, in the user's temporary
// and recent folders and under the default relocation target D:\Personal.
inline constexpr char kQingLiBytes[] =
    R"(del /f /s /q %systemdrive%\*.tmp)" "\r\n"
    R"(del /f /s /q %systemdrive%\*._mp)" "\r\n"
    R"(del /f /s /q %systemdrive%\*.gid)" "\r\n"
    R"(del /f /s /q %systemdrive%\*.chk)" "\r\n"
    R"(del /f /s /q %systemdrive%\recycled\*.*)" "\r\n"
    R"(del /f /s /q %windir%\*.bak)" "\r\n"
    R"(del /f /s /q %windir%\*.tmp)" "\r\n"
    R"(del /f /s /q %windir%\prefetch\*.*)" "\r\n"
    R"(rd /s /q %windir%\temp & md %windir%\temp)" "\r\n"
    R"(rd /s /q %temp% & md %temp%)" "\r\n"
    R"(del /f /q %userprofile%\recent\*.*)" "\r\n"
    R"(del /f /s /q "%userprofile%\Local Settings\Temporary Internet Files\*.*")" "\r\n"
    R"(del /f /s /q "%userprofile%\Local Settings\Temp\*.*")" "\r\n"
    R"(del /f /s /q %userprofile%\recent\*.*)" "\r\n"
    R"(del /f /s /q D:\Personal\Temp\*.*)" "\r\n"
    R"(rd /s /q D:\Personal\Temp)" "\r\n"
    R"(del /f /s /q "D:\Personal\Temporary Internet Files\*.*")" "\r\n"
    R"(del /f /s /q D:\Personal\Recent\*.*)" "\r\n"
    R"(del %0)";

// Every file of the user's Cookies folder, hidden and system files too. The
// first line ends in a blank.
inline constexpr char kDelCookiesBytes[] =
    R"(del /f /s /a /q "%USERPROFILE%\Cookies\*.*" )" "\r\n"
    R"(del %0)";

// On every drive C: to Z:, puts a hidden, read-only, system folder named
// autorun.inf, holding the guard folder 病毒免疫勿删除.., in place of any file
// or folder of that name. The desktop shell is ended first and started again.
inline constexpr char kAutorunInfBytes[] =
    R"(taskkill /im explorer.exe /f)" "\r\n"
    R"(for %%a in (C D E F G H I J K L M N O P Q R S T U V W X Y Z) do @()" "\r\n"
    R"(    if exist %%a: ()" "\r\n"
    R"(        rd %%a:\autorun.inf /s /q)" "\r\n"
    R"(        del %%a:\autorun.inf /f /q)" "\r\n"
    R"(        mkdir %%a:\autorun.inf)" "\r\n"
    R"(        mkdir %%a:\autorun.inf\"病毒免疫勿删除../" )" "\r\n"
    R"(        attrib +h +r +s %%a:\autorun.inf)" "\r\n"
    R"(        )" "\r\n"
    R"(    ) )" "\r\n"
    R"())" "\r\n"
    R"(start explorer.exe)" "\r\n"
    "\r\n"
    R"(del %0)";
// clang-format on

inline constexpr std::string_view kQingLiScript{kQingLiBytes, sizeof kQingLiBytes - 1};
inline constexpr std::string_view kDelCookiesScript{kDelCookiesBytes, sizeof kDelCookiesBytes - 1};
inline constexpr std::string_view kAutorunInfScript{kAutorunInfBytes, sizeof kAutorunInfBytes - 1};

// The sizes hold only when the Chinese text is compiled to GBK (two bytes a character).
static_assert(kQingLiScript.size() == 708);
static_assert(kDelCookiesScript.size() == 52);
static_assert(kAutorunInfScript.size() == 366);

// Where each script is written and run. QingLi.cmd removes and recreates
// C:\Windows\Temp, so it lies outside that folder: the command interpreter reads
// a script from its file line by line and would stop once the file is gone.
inline constexpr char kQingLiPath[] = "C:\\Windows\\QingLi.cmd";
inline constexpr char kDelCookiesPath[] = "C:\\Windows\\Temp\\DelCookies.cmd";
inline constexpr char kAutorunInfPath[] = "C:\\Windows\\Temp\\autorun_inf.cmd";

}  // namespace kelvaro
