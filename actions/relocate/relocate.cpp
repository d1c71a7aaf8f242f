#include "actions/relocate/relocate.h"

#include <string>
#include <vector>

#include "actions/outcome.h"
#include "actions/relocate/relocation_items.h"
#include "actions/relocate/relocation_target.h"
#include "platform/operations.h"
#include "platform/decimal.h"

namespace kelvaro {
namespace {

constexpr char kAction[] = "资料转移";
constexpr char kPickerTitle[] = "请选择目标目录";
constexpr char kDone[] = "资料转移成功！";
constexpr char kNothingTicked[] = "请选择欲清理项目！";
constexpr char kNotDone[] = "资料转移未全部完成：";
constexpr char kKept[] = "，位置未更改";

std::string RefusalText(TargetProblem problem, const std::string& target) {
  switch (problem) {
    case TargetProblem::kEmpty:
      return "请填写目标目录，例如 D:\\Personal。";
    case TargetProblem::kNotOnDrive:
      return "目标目录须是以盘符开头的完整路径，例如 D:\\Personal。";
    case TargetProblem::kUnsafeCharacter:
      return "目标目录不能含有空格或下列字符：& | < > ^ % \" ( ) , ; = !\r\n请另选目录。";
    case TargetProblem::kInvalidName:
      return "目标目录的写法不正确：不能含有 * ? / :、连续的反斜杠、以句点结尾的名称或设备名。";
    case TargetProblem::kTooLong:
      return "目标目录太长，转移后的文件夹路径会超过 Windows 的长度限制。请选较短的目录。";
    case TargetProblem::kNoSuchDrive:
      return "驱动器 " + target.substr(0, 2) + " 不存在。请另选目录。";
    case TargetProblem::kInsideProfile:
      return "目标目录位于当前用户的配置文件夹中，资料会被复制到自身里面。请选其他驱动器上的目录。";
    case TargetProblem::kNone:
      break;
  }
  return {};
}

// Every name under which the copy commands and the user reach the profile folder.
std::vector<std::string> ProfileFolders(System& system, const std::string& user) {
  std::vector<std::string> names;
  auto add = [&names](std::string name) {
    if (!name.empty()) names.push_back(std::move(name));
  };
  add(system.GetEnvironmentText("USERPROFILE"));
  if (!user.empty()) {
    add("C:\\Documents and Settings\\" + user);
    add("C:\\Docume~1\\" + user);
  }
  for (size_t i = 0, count = names.size(); i < count; ++i)
    add(system.GetShortPath(names[i]));
  return names;
}

// The target as a folder path: a drive alone is named by its root.
std::string FolderPath(const std::string& target) {
  return target.size() == 2 ? target + "\\" : target;
}

// Makes every missing level of the target; true when the target exists then.
bool MakeTarget(System& system, const std::string& target) {
  std::vector<std::string> levels;
  for (std::string path = target; path.size() > 2; path = SplitAtLastBackslash(path).head) {
    levels.push_back(path);
  }
  for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
    if (!system.FolderExists(*level)) system.CreateFolder(*level);
  }
  return system.FolderExists(FolderPath(target));
}

std::string WithUser(std::string_view source, const std::string& user) {
  constexpr std::string_view kUserVariable = "%USERNAME%";
  std::string text(source);
  const size_t at = text.find(kUserVariable);
  if (at != std::string::npos) text.replace(at, kUserVariable.size(), user);
  return text;
}

// The copy command for one destination folder, which exists. A destination
// with a blank is named by its short path, or in quotes when it has none, so
// the files land in the folder the registry will name.
std::string CopyLine(System& system, const CopyCommand& copy, const std::string& target) {
  std::string line = std::string(kCopyCommandStart) + copy.source + kCopySourceFiles;
  const std::string destination = target + copy.destination;
  if (destination.find(' ') == std::string::npos) {
    return line + destination + copy.switches;
  }
  const std::string shortPath = system.GetShortPath(destination);
  if (!shortPath.empty() && CheckTarget(shortPath, TargetFacts{true, {}}) == TargetProblem::kNone) {
    return line + shortPath + copy.switches;
  }
  // No closing backslash inside the quotes: it would escape the quote.
  return line + "\"" + destination + "\"" + (copy.switches + 1);
}

// One click's working values.
struct Relocation {
  System& system;
  std::string target;
  std::string user;
  int copies = 0;  // copy commands of the ticked items, for the progress display
  int copiesDone = 0;
  Outcome outcome;
};

// Runs the item's copies. Empty when they did their work, else what went
// wrong. A copy whose source folder is missing is not judged, but one of the
// item's sources must be there.
std::string RunCopies(Relocation& run, const RelocationItem& item) {
  System& system = run.system;
  bool anySource = false;
  std::string problem;
  for (const CopyCommand& copy : item.copies) {
    const bool sourceFound =
        !run.user.empty() && system.FolderExists(WithUser(copy.source, run.user));
    system.ShowProgress(kAction, ++run.copiesDone, run.copies);
    const CommandResult result =
        system.RunCommand(CopyLine(system, copy, run.target), true, kHidden);
    if (!sourceFound || !problem.empty()) continue;
    anySource = true;
    if (!result.started) {
      problem = "复制命令未能启动";
    } else if (result.exitCode > 1) {  // 0 copied, 1 found nothing to copy
      problem = "复制未成功（xcopy 返回 " + Decimal(result.exitCode) + "）";
    }
  }
  if (problem.empty() && !anySource) {
    problem = "找不到 " + WithUser(item.copies[0].source, run.user);
  }
  return problem;
}

std::string RootName(int root) {
  return root == kUsers ? "HKEY_USERS" : "HKEY_CURRENT_USER";
}

void Relocate(Relocation& run, const RelocationItem& item) {
  System& system = run.system;
  const std::string& target = run.target;
  const std::string name = item.name;
  for (const char* folder : item.folders)
    system.CreateFolder(target + folder);
  for (const char* folder : item.folders) {
    if (!system.FolderExists(target + folder)) {
      run.outcome.Fail(name + "：无法创建 " + target + folder + kKept);
      run.copiesDone += static_cast<int>(item.copies.size());
      return;
    }
  }
  if (!item.copies.empty()) {
    const std::string problem = RunCopies(run, item);
    if (!problem.empty()) {
      run.outcome.Fail(name + "：" + problem + kKept);
      return;
    }
  }
  for (const RegistryWrite& write : item.writes) {
    if (!system.WriteRegistryText(write.root, write.path, target + write.suffix)) {
      run.outcome.Fail(name + "：无法写入 " + RootName(write.root) + "\\" + write.path);
    }
  }
}

}  // namespace

void RelocateUserFolders(System& system, Form& form) {
  int copies = 0;
  bool anyTicked = false;
  for (const RelocationItem& item : kRelocationItems) {
    if (!form.IsChecked(item.box)) continue;
    anyTicked = true;
    copies += static_cast<int>(item.copies.size());
  }
  if (!anyTicked) {
    system.ShowMessage(kNothingTicked, kErrorIcon, {});
    return;
  }

  const std::string target = NormalizeTarget(form.Text(Control::编辑框1));
  const std::string user = system.GetEnvironmentText("USERNAME");
  TargetFacts facts;
  facts.driveExists = target.size() >= 2 && system.DriveExists(target[0]);
  facts.profileFolders = ProfileFolders(system, user);
  const TargetProblem problem = CheckTarget(target, facts);
  if (problem != TargetProblem::kNone) {
    system.ShowMessage(RefusalText(problem, target), kErrorIcon, {});
    return;
  }
  if (!MakeTarget(system, target)) {
    system.ShowMessage("无法创建目标目录 " + target + "。请检查驱动器是否可以写入。", kErrorIcon,
                       {});
    return;
  }

  Relocation run{system, target, user, copies, 0, {}};
  for (const RelocationItem& item : kRelocationItems) {
    if (form.IsChecked(item.box)) {
      Relocate(run, item);
    }
  }
  system.ShowProgress("", 0, 0);
  run.outcome.Report(system, kDone, kInformationIcon, kNotDone);
}

void PickTargetFolder(System& system, Form& form) {
  form.SetText(Control::编辑框1, system.BrowseForFolder(kPickerTitle));
}

}  // namespace kelvaro
