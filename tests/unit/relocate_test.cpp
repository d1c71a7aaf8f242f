#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "actions/relocate/relocate.h"
#include "tests/unit/fake_form.h"
#include "tests/unit/fake_system.h"

namespace kelvaro {
namespace {

using testing::Browse;
using testing::Call;
using testing::FakeForm;
using testing::FakeSystem;
using testing::MakeFolder;
using testing::Message;
using testing::WriteReg;
using C = Control;

// A copy command as the action runs it: hidden, waited for.
Call Copy(const std::string& line) {
  return testing::Run(line);
}

const std::string SF = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string USF =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const std::string DSF = ".DEFAULT\\" + SF;
const std::string kOutlookValue =
    "Identities\\{F4E98C86-4D9A-463F-920C-1DF555C3B434}\\Software\\Microsoft\\Outlook "
    "Express\\5.0、Store Root";

const std::string kDone = "资料转移成功！";
const std::string kDesktopCopy1 =
    "cmd /cxcopy C:\\Docume~1\\%USERNAME%\\桌面\\*.* D:\\Personal\\Desktop\\ /e /y ";
const std::string kDesktopCopy2 =
    "cmd /cxcopy C:\\Docume~1\\%USERNAME%\\Desktop\\*.* D:\\Personal\\Desktop\\ /e /y ";
const std::string kFavoritesCopy =
    "cmd /cxcopy C:\\Docume~1\\%USERNAME%\\Favori~1\\*.* D:\\Personal\\Favorites\\ /e /y";
// The short name the file system gave the new folder, not the one guessed.
const std::string kDocumentsCopy =
    "cmd /cxcopy C:\\Docume~1\\%USERNAME%\\Mydocu~1\\*.* D:\\Personal\\MYDOCU~2\\ /e /y";

const std::vector<Call> kFavoritesSteps = {
    MakeFolder("D:\\Personal\\Favorites"),
    Copy(kFavoritesCopy),
    WriteReg(kCurrentUser, SF + "\\Favorites", "D:\\Personal\\Favorites"),
    WriteReg(kCurrentUser, USF + "\\Favorites", "D:\\Personal\\Favorites"),
    WriteReg(kUsers, DSF + "\\Favorites", "D:\\Personal\\Favorites"),
};

// A Chinese XP machine: the user's Desktop is the folder 桌面, there is no
// folder named Desktop, and drive D: is empty.
struct Machine : FakeSystem {
  std::set<std::string> refusedFolders;  // CreateFolder fails on these

  Machine() {
    environment = {{"USERNAME", "me"}, {"USERPROFILE", "C:\\Documents and Settings\\me"}};
    shortPaths = {{"C:\\Documents and Settings\\me", "C:\\DOCUME~1\\me"},
                  {"D:\\Personal\\My Documents", "D:\\Personal\\MYDOCU~2"}};
    folders = {"C:\\", "D:\\", "C:\\Docume~1\\me\\桌面", "C:\\Docume~1\\me\\Favori~1",
               "C:\\Docume~1\\me\\Mydocu~1"};
  }
  bool CreateFolder(const std::string& path) override {
    if (refusedFolders.count(path)) {
      calls.push_back(MakeFolder(path));
      return false;
    }
    return FakeSystem::CreateFolder(path);
  }
};

FakeForm Ticked(const std::vector<Control>& boxes, const std::string& target = "D:\\Personal") {
  FakeForm form;
  for (Control box : boxes)
    form.checked[box] = true;
  form.texts[C::编辑框1] = target;
  return form;
}

const std::vector<Control> kAllSix = {C::选择框9, C::选择框6, C::选择框5,
                                      C::选择框7, C::选择框8, C::选择框10};

TEST(RelocateUserFolders, AllSixMakeTheTargetThenRunThe37StepsInOrder) {
  Machine system;
  FakeForm form = Ticked(kAllSix, "D:\\Personal\\");
  RelocateUserFolders(system, form);

  const std::string T = "D:\\Personal";
  std::vector<Call> expected = {
      MakeFolder(T),
      // 桌面
      MakeFolder(T + "\\Desktop"),
      Copy(kDesktopCopy1),
      Copy(kDesktopCopy2),
      WriteReg(kCurrentUser, SF + "\\Desktop", T + "\\Desktop"),
      WriteReg(kCurrentUser, USF + "\\Desktop", T + "\\Desktop"),
      WriteReg(kUsers, DSF + "\\Desktop", T + "\\Desktop"),
  };
  expected.insert(expected.end(), kFavoritesSteps.begin(), kFavoritesSteps.end());
  const std::string docs = T + "\\My Documents";
  expected.insert(expected.end(),
                  {
                      MakeFolder(docs),
                      MakeFolder(docs + "\\My Pictures"),
                      MakeFolder(docs + "\\My Music"),
                      Copy(kDocumentsCopy),
                      WriteReg(kCurrentUser, SF + "\\Personal", docs),
                      WriteReg(kCurrentUser, USF + "\\Personal", docs),
                      WriteReg(kUsers, DSF + "\\Download Directory", docs),
                      WriteReg(kCurrentUser, SF + "\\My Music", docs + "\\My Music"),
                      WriteReg(kCurrentUser, USF + "\\My Music", docs + "\\My Music"),
                      WriteReg(kUsers, DSF + "\\My Music", docs + "\\My Music"),
                      WriteReg(kCurrentUser, SF + "\\My Pictures", docs + "\\My Pictures"),
                      WriteReg(kCurrentUser, USF + "\\My Pictures", docs + "\\My Pictures"),
                      WriteReg(kUsers, DSF + "\\My Pictures", docs + "\\My Pictures"),
                      WriteReg(kCurrentUser, SF + "\\Recent", T + "\\Recent"),
                      WriteReg(kCurrentUser, USF + "\\Recent", T + "\\Recent"),
                      // Temp文件夹
                      MakeFolder(T + "\\Temp"),
                      WriteReg(kCurrentUser, "Environment\\TEMP", T + "\\Temp"),
                      WriteReg(kCurrentUser, "Environment\\TMP", T + "\\Temp"),
                      WriteReg(kUsers, ".DEFAULT\\Environment\\TEMP", T + "\\Temp"),
                      WriteReg(kUsers, ".DEFAULT\\Environment\\TMP", T + "\\Temp"),
                      // 上网临时文件
                      MakeFolder(T + "\\Temporary Internet Files"),
                      WriteReg(kCurrentUser, SF + "\\Cache", T + "\\Temporary Internet Files"),
                      WriteReg(kCurrentUser, USF + "\\Cache", T + "\\Temporary Internet Files"),
                      WriteReg(kUsers, DSF + "\\Cache", T + "\\Temporary Internet Files"),
                      // Outlook文件夹
                      MakeFolder(T + "\\OE"),
                      WriteReg(kCurrentUser, kOutlookValue, T + "\\Outlook Express"),
                      Message(kDone, kInformationIcon),
                  });
  EXPECT_EQ(system.calls, expected);
  EXPECT_EQ(system.calls.size(), 1 + 37 + 1u);
  EXPECT_EQ(system.progress, (std::vector<std::string>{"资料转移 1/4", "资料转移 2/4",
                                                       "资料转移 3/4", "资料转移 4/4", ""}));
  // The ideographic comma of the value name is GBK A1 A2.
  EXPECT_NE(kOutlookValue.find("Outlook Express\\5.0\xA1\xA2Store Root"), std::string::npos);
}

// Each case ticks boxes on a machine changed by `prepare` and expects the
// whole list of calls.
struct Case {
  const char* name;
  std::vector<Control> ticked;
  std::string target;
  void (*prepare)(Machine&);
  std::vector<Call> expected;
};

std::vector<Call> Then(std::vector<Call> calls, const std::vector<Call>& more) {
  calls.insert(calls.end(), more.begin(), more.end());
  return calls;
}

std::vector<Call> TempSteps(const std::string& T) {
  return {MakeFolder(T + "\\Temp"), WriteReg(kCurrentUser, "Environment\\TEMP", T + "\\Temp"),
          WriteReg(kCurrentUser, "Environment\\TMP", T + "\\Temp"),
          WriteReg(kUsers, ".DEFAULT\\Environment\\TEMP", T + "\\Temp"),
          WriteReg(kUsers, ".DEFAULT\\Environment\\TMP", T + "\\Temp")};
}

void TargetExists(Machine& m) {
  m.folders.insert("D:\\Personal");
}

TEST(RelocateUserFolders, JudgesEachItemByItsFoldersAndCopies) {
  const Case cases[] = {
      {"only 收藏夹",
       {C::选择框6},
       "D:\\Personal",
       TargetExists,
       Then(kFavoritesSteps, {Message(kDone, kInformationIcon)})},
      {"every missing level of the target is made first",
       {C::选择框7},
       "E:\\资料\\a\\b",
       [](Machine& m) {
         m.drives.insert('E');
         m.folders.insert("E:\\资料");
       },
       Then({MakeFolder("E:\\资料\\a"), MakeFolder("E:\\资料\\a\\b")},
            Then(TempSteps("E:\\资料\\a\\b"), {Message(kDone, kInformationIcon)}))},
      {"a drive as the target",
       {C::选择框7},
       "E:\\",
       [](Machine& m) {
         m.drives.insert('E');
         m.folders.insert("E:\\");
       },
       Then(TempSteps("E:"), {Message(kDone, kInformationIcon)})},
      {"a failed copy keeps that item's values while the next item goes on",
       {C::选择框6, C::选择框7},
       "D:\\Personal",
       [](Machine& m) {
         TargetExists(m);
         m.runResult = [](const std::string&) { return CommandResult{true, 4}; };
       },
       Then({MakeFolder("D:\\Personal\\Favorites"), Copy(kFavoritesCopy)},
            Then(TempSteps("D:\\Personal"),
                 {Message("资料转移未全部完成：\r\n收藏夹：复制未成功（xcopy 返回 4），位置未更改",
                          kWarningIcon)}))},
      {"a copy that cannot start",
       {C::选择框6},
       "D:\\Personal",
       [](Machine& m) {
         TargetExists(m);
         m.runResult = [](const std::string&) { return CommandResult{false, 0}; };
       },
       {MakeFolder("D:\\Personal\\Favorites"), Copy(kFavoritesCopy),
        Message("资料转移未全部完成：\r\n收藏夹：复制命令未能启动，位置未更改", kWarningIcon)}},
      {"a copy with nothing to copy",
       {C::选择框6},
       "D:\\Personal",
       [](Machine& m) {
         TargetExists(m);
         m.runResult = [](const std::string&) { return CommandResult{true, 1}; };
       },
       Then(kFavoritesSteps, {Message(kDone, kInformationIcon)})},
      {"a missing source folder",
       {C::选择框6},
       "D:\\Personal",
       [](Machine& m) {
         TargetExists(m);
         m.folders.erase("C:\\Docume~1\\me\\Favori~1");
       },
       {MakeFolder("D:\\Personal\\Favorites"), Copy(kFavoritesCopy),
        Message("资料转移未全部完成：\r\n收藏夹：找不到 C:\\Docume~1\\me\\Favori~1，位置未更改",
                kWarningIcon)}},
      {"the desktop copy of a missing source may fail",
       {C::选择框9},
       "D:\\Personal",
       [](Machine& m) {
         TargetExists(m);
         m.runResult = [](const std::string& line) {
           return CommandResult{true, line.find("\\Desktop\\*.*") != line.npos ? 4u : 0u};
         };
       },
       {MakeFolder("D:\\Personal\\Desktop"), Copy(kDesktopCopy1), Copy(kDesktopCopy2),
        WriteReg(kCurrentUser, SF + "\\Desktop", "D:\\Personal\\Desktop"),
        WriteReg(kCurrentUser, USF + "\\Desktop", "D:\\Personal\\Desktop"),
        WriteReg(kUsers, DSF + "\\Desktop", "D:\\Personal\\Desktop"),
        Message(kDone, kInformationIcon)}},
      {"the desktop copy of a found source may not",
       {C::选择框9},
       "D:\\Personal",
       [](Machine& m) {
         TargetExists(m);
         m.runResult = [](const std::string& line) {
           return CommandResult{true, line.find("\\桌面\\*.*") != line.npos ? 5u : 0u};
         };
       },
       {MakeFolder("D:\\Personal\\Desktop"), Copy(kDesktopCopy1), Copy(kDesktopCopy2),
        Message("资料转移未全部完成：\r\n桌面：复制未成功（xcopy 返回 5），位置未更改",
                kWarningIcon)}},
      {"an item folder that cannot be made is neither filled nor named",
       {C::选择框5, C::选择框6},
       "D:\\Personal",
       [](Machine& m) {
         TargetExists(m);
         m.refusedFolders.insert("D:\\Personal\\My Documents\\My Music");
       },
       Then(kFavoritesSteps,
            {MakeFolder("D:\\Personal\\My Documents"),
             MakeFolder("D:\\Personal\\My Documents\\My Pictures"),
             MakeFolder("D:\\Personal\\My Documents\\My Music"),
             Message("资料转移未全部完成：\r\n我的文档：无法创建 D:\\Personal\\My Documents\\My "
                     "Music，位置未更改",
                     kWarningIcon)})},
      {"an existing item folder is used as it is",
       {C::选择框6},
       "D:\\Personal",
       [](Machine& m) {
         TargetExists(m);
         m.folders.insert("D:\\Personal\\Favorites");
       },
       Then(kFavoritesSteps, {Message(kDone, kInformationIcon)})},
      {"a refused registry write is reported, the others still made",
       {C::选择框7},
       "D:\\Personal",
       [](Machine& m) {
         TargetExists(m);
         m.writeRegistrySucceeds = [](int root, const std::string&) { return root != kUsers; };
       },
       Then(TempSteps("D:\\Personal"),
            {Message("资料转移未全部完成：\r\nTemp文件夹：无法写入 "
                     "HKEY_USERS\\.DEFAULT\\Environment\\TEMP"
                     "\r\nTemp文件夹：无法写入 HKEY_USERS\\.DEFAULT\\Environment\\TMP",
                     kWarningIcon)})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Machine system;
    c.prepare(system);
    FakeForm form = Ticked(c.ticked, c.target);
    RelocateUserFolders(system, form);
    EXPECT_EQ(system.calls, c.expected);
  }
}

TEST(RelocateUserFolders, MyDocumentsWithoutShortNameIsCopiedIntoTheQuotedFolder) {
  Machine system;
  TargetExists(system);
  system.shortPaths.erase("D:\\Personal\\My Documents");
  FakeForm form = Ticked({C::选择框5});
  RelocateUserFolders(system, form);
  EXPECT_EQ(system.CallsOf("RunCommand"),
            (std::vector{Copy("cmd /cxcopy C:\\Docume~1\\%USERNAME%\\Mydocu~1\\*.* "
                              "\"D:\\Personal\\My Documents\" /e /y")}));
  EXPECT_EQ(system.calls.back(), Message(kDone, kInformationIcon));
}

TEST(RelocateUserFolders, RefusesBeforeAnyStep) {
  struct Refusal {
    std::string target;
    std::string says;  // part of the message
  } refusals[] = {
      {"", "请填写目标目录"},
      {"\\", "请填写目标目录"},
      {"Personal", "盘符"},
      {"D:\\x & del /s /q C:\\*", "空格"},
      {"D:\\My Files", "空格"},
      {"D:\\a\\\\", "写法不正确"},
      {"F:\\Personal", "驱动器 F: 不存在"},
      {"C:\\Documents and Settings\\me\\x", "空格"},
      {"c:\\docume~1\\ME\\Backup", "配置文件夹"},
      {"C:\\DOCUME~1\\me", "配置文件夹"},
      {"D:\\" + std::string(230, 'a'), "太长"},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE("target: " + r.target);
    Machine system;
    FakeForm form = Ticked(kAllSix, r.target);
    RelocateUserFolders(system, form);
    ASSERT_EQ(system.calls.size(), 1u);
    EXPECT_EQ(system.calls[0].op, "ShowMessage");
    EXPECT_NE(system.calls[0].args[0].find(r.says), std::string::npos) << system.calls[0].args[0];
    EXPECT_EQ(system.calls[0].args[1], std::to_string(kErrorIcon));
    EXPECT_TRUE(system.progress.empty());
  }
}

TEST(RelocateUserFolders, RefusesATargetThatCannotBeMade) {
  Machine system;
  system.refusedFolders.insert("D:\\Personal\\new");
  FakeForm form = Ticked({C::选择框7}, "D:\\Personal\\new\\");
  RelocateUserFolders(system, form);
  EXPECT_EQ(system.calls,
            (std::vector{MakeFolder("D:\\Personal"), MakeFolder("D:\\Personal\\new"),
                         Message("无法创建目标目录 D:\\Personal\\new。请检查驱动器是否可以写入。",
                                 kErrorIcon)}));
}

TEST(RelocateUserFolders, NoBoxTickedDoesNothing) {
  Machine system;
  FakeForm form = Ticked({}, "D:\\x & del /s /q C:\\*");
  RelocateUserFolders(system, form);
  EXPECT_EQ(system.calls, (std::vector{Message("请选择欲清理项目！", kErrorIcon)}));
  EXPECT_TRUE(system.progress.empty());
}

TEST(PickTargetFolder, PutsThePickedFolderOrNothingIntoTheEditBox) {
  for (const std::string answer : {"E:\\资料", ""}) {
    FakeSystem system;
    system.browseAnswer = answer;
    FakeForm form = Ticked({}, "D:\\Personal");
    PickTargetFolder(system, form);
    EXPECT_EQ(system.calls, (std::vector{Browse("请选择目标目录")}));
    EXPECT_EQ(form.Text(C::编辑框1), answer);
  }
}

}  // namespace
}  // namespace kelvaro
