// The cleaning scripts: their exact bytes, and that no script removes its own
// file before its last line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "actions/clean/cleaning_scripts.h"

namespace kelvaro {
namespace {

std::vector<std::string> Lines(std::string_view image) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = image.find("\r\n", start)) != std::string_view::npos; start = end + 2) {
    lines.emplace_back(image.substr(start, end - start));
  }
  lines.emplace_back(image.substr(start));
  return lines;
}

std::string Bytes(const std::string& hex) {
  std::istringstream in(hex);
  std::string bytes;
  for (unsigned value; in >> std::hex >> value;)
    bytes += static_cast<char>(value);
  return bytes;
}

struct ScriptCase {
  const char* name;
  std::string_view image;
  size_t size;
  std::vector<size_t> lineLengths;
};

const ScriptCase kScripts[] = {
    {"QingLi.cmd",
     kQingLiScript,
     708,
     {32, 32, 32, 32, 39, 27, 27, 34, 41, 27, 34, 72, 52, 37, 33, 25, 55, 35, 6}},
    {"DelCookies.cmd", kDelCookiesScript, 52, {44, 6}},
    {"autorun_inf.cmd",
     kAutorunInfScript,
     366,
     {28, 66, 19, 33, 34, 30, 51, 40, 8, 6, 1, 18, 0, 6}},
};

TEST(CleaningScripts, SizesLinesAndEndsAreExact) {
  for (const ScriptCase& script : kScripts) {
    SCOPED_TRACE(script.name);
    EXPECT_EQ(script.image.size(), script.size);
    std::vector<size_t> lengths;
    for (const std::string& line : Lines(script.image))
      lengths.push_back(line.size());
    EXPECT_EQ(lengths, script.lineLengths);
    // The script removes itself last; nothing follows, not even a line end.
    EXPECT_TRUE(script.image.ends_with("\r\ndel %0"));
    EXPECT_EQ(script.image.find('\0'), std::string_view::npos);
  }
  EXPECT_TRUE(kQingLiScript.starts_with("del /f /s /q %systemdrive%\\*.tmp\r\n"));
  EXPECT_TRUE(kAutorunInfScript.starts_with("taskkill /im explorer.exe /f\r\n"));
}

TEST(CleaningScripts, OnlyPrintableAsciiOutsideTheGuardFolderLine) {
  for (const ScriptCase& script : kScripts) {
    const std::vector<std::string> lines = Lines(script.image);
    for (size_t i = 0; i < lines.size(); ++i) {
      if (script.image == kAutorunInfScript && i == 6) continue;
      for (unsigned char byte : lines[i]) {
        EXPECT_TRUE(byte >= 0x20 && byte <= 0x7E)
            << script.name << " line " << i + 1 << " byte " << int(byte);
      }
    }
  }
}

TEST(CleaningScripts, IrregularLinesKeepTheirBlanksAndGbkBytes) {
  const std::vector<std::string> autorun = Lines(kAutorunInfScript);
  // The guard folder 病毒免疫勿删除 in GBK, with the quotes, dots, slash and
  // trailing blank the command interpreter sees.
  EXPECT_EQ(autorun[6], Bytes("20 20 20 20 20 20 20 20 6D 6B 64 69 72 20 25 25 61 3A 5C 61 75 "
                              "74 6F 72 75 6E 2E 69 6E 66 5C 22 B2 A1 B6 BE C3 E2 D2 DF CE F0 "
                              "C9 BE B3 FD 2E 2E 2F 22 20"));
  EXPECT_EQ(autorun[8], "        ");
  EXPECT_EQ(autorun[9], "    ) ");
  EXPECT_EQ(autorun[1], "for %%a in (C D E F G H I J K L M N O P Q R S T U V W X Y Z) do @(");

  EXPECT_EQ(Lines(kDelCookiesScript)[0], "del /f /s /a /q \"%USERPROFILE%\\Cookies\\*.*\" ");

  const std::vector<std::string> qingLi = Lines(kQingLiScript);
  EXPECT_EQ(qingLi[10], "del /f /q %userprofile%\\recent\\*.*");
  EXPECT_EQ(qingLi[13], "del /f /s /q %userprofile%\\recent\\*.*");
}

// --- Does a line of a script remove the script's own file? ---

std::string Lower(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Fills in the references as a machine where they lie closest to the scripts
// would: the user's temporary folder being the Windows one.
std::string Expand(std::string text) {
  const std::pair<const char*, const char*> kValues[] = {
      {"%systemdrive%", "c:"},
      {"%windir%", "c:\\windows"},
      {"%temp%", "c:\\windows\\temp"},
      {"%userprofile%", "c:\\documents and settings\\user"},
      {"%%a", "c"},
  };
  text = Lower(text);
  for (const auto& [name, value] : kValues) {
    for (size_t at; (at = text.find(name)) != std::string::npos;)
      text.replace(at, strlen(name), value);
  }
  return text;
}

// The words of a command, quotes removed (a quoted word may hold blanks).
std::vector<std::string> Words(const std::string& command) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  for (char c : command + ' ') {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ' ' && !quoted) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}

bool Matches(const std::string& pattern, const std::string& name) {
  if (pattern == "*.*") return true;
  if (pattern.starts_with("*.")) return name.ends_with(pattern.substr(1));
  return pattern == name;
}

// Whether `command` (one of rd, del; already expanded) removes the file `path`.
bool Removes(const std::string& command, const std::string& path) {
  const std::vector<std::string> words = Words(command);
  if (words.empty() || (words[0] != "rd" && words[0] != "del")) return false;
  const bool subfolders = std::ranges::find(words, "/s") != words.end();
  for (size_t i = 1; i < words.size(); ++i) {
    const std::string& target = words[i];
    if (target.starts_with("/")) continue;
    if (words[0] == "rd") {
      if (path.starts_with(target + "\\")) return true;
      continue;
    }
    const size_t slash = target.rfind('\\');
    const std::string folder = target.substr(0, slash);
    const std::string pattern = target.substr(slash + 1);
    const size_t pathSlash = path.rfind('\\');
    const bool inside =
        subfolders ? path.starts_with(folder + "\\") : path.substr(0, pathSlash) == folder;
    if (inside && Matches(pattern, path.substr(pathSlash + 1))) return true;
  }
  return false;
}

// The first line before the last that removes the file `path`; empty when none.
std::string LineRemoving(std::string_view image, const std::string& scriptPath) {
  const std::string path = Lower(scriptPath);
  std::vector<std::string> lines = Lines(image);
  lines.pop_back();  // del %0
  for (const std::string& line : lines) {
    std::string rest = Expand(line);
    // Commands joined by & run one after another.
    while (!rest.empty()) {
      const size_t amp = rest.find('&');
      std::string command = rest.substr(0, amp);
      command.erase(0, command.find_first_not_of(' '));
      if (Removes(command, path)) return line;
      rest = amp == std::string::npos ? "" : rest.substr(amp + 1);
    }
  }
  return {};
}

TEST(CleaningScripts, RemovesFindsTheLinesThatWouldTakeAScript) {
  EXPECT_TRUE(Removes("del /f /s /q c:\\*.cmd", "c:\\windows\\qingli.cmd"));
  EXPECT_FALSE(Removes("del /f /q c:\\*.cmd", "c:\\windows\\qingli.cmd"));
  EXPECT_FALSE(Removes("del /f /s /q c:\\*.tmp", "c:\\windows\\qingli.cmd"));
  EXPECT_FALSE(Removes("md c:\\windows", "c:\\windows\\qingli.cmd"));
  // Run from the Windows temporary folder, the junk script would take itself away.
  EXPECT_EQ(LineRemoving(kQingLiScript, "C:\\Windows\\Temp\\QingLi.cmd"),
            "rd /s /q %windir%\\temp & md %windir%\\temp");
}

// Windows' command interpreter reads a script from its file line by line, so a
// script whose file goes before its last line stops there.
TEST(CleaningScripts, NoScriptRemovesItsOwnFileBeforeItsLastLine) {
  EXPECT_EQ(LineRemoving(kQingLiScript, kQingLiPath), "");
  EXPECT_EQ(LineRemoving(kDelCookiesScript, kDelCookiesPath), "");
  EXPECT_EQ(LineRemoving(kAutorunInfScript, kAutorunInfPath), "");
}

}  // namespace
}  // namespace kelvaro
