// The page 转资料 run for real in the test prefix: Wine's own cmd and xcopy copy
// the user's folders to D:, and the registry is read back.
#include <algorithm>
#include <cstdlib>
#include <map>

#include "actions/relocate/relocation_items.h"
#include "platform/operations.h"
#include "tests/e2e/harness.h"

namespace {

using kelvaro::Control;

constexpr int kRelocatePage = 2;
constexpr char kDone[] = "资料转移成功！";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// One registry value the relocation writes.
struct Value {
  HKEY root;
  std::string key, name, suffix;
};

std::vector<Value> ValuesOf(std::initializer_list<Control> boxes) {
  std::vector<Value> values;
  for (const kelvaro::RelocationItem& item : kelvaro::kRelocationItems) {
    if (boxes.size() && std::find(boxes.begin(), boxes.end(), item.box) == boxes.end()) continue;
    for (const kelvaro::RegistryWrite& write : item.writes) {
      const kelvaro::RegistryPath path = kelvaro::SplitRegistryPath(write.path);
      values.push_back({write.root == kelvaro::kUsers ? HKEY_USERS : HKEY_CURRENT_USER, path.key,
                        path.valueName, write.suffix});
    }
  }
  return values;
}

std::vector<std::optional<std::string>> Read(const std::vector<Value>& values) {
  std::vector<std::optional<std::string>> texts;
  for (const Value& value : values) {
    texts.push_back(e2e::ReadRegistryText(value.root, value.key, value.name));
  }
  return texts;
}

void DeleteValue(const Value& value) {
  HKEY key;
  if (RegOpenKeyExA(value.root, value.key.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
    return;
  }
  RegDeleteValueA(key, value.name.c_str());
  RegCloseKey(key);
}

// Every file and folder under a folder, with the contents of the files.
void List(const std::string& folder, std::map<std::string, std::string>& into) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      into[path + "\\"] = "";
      List(path, into);
    } else {
      into[path] = e2e::ReadFileBytes(path).value_or("(unreadable)");
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

std::map<std::string, std::string> Tree(const std::string& folder) {
  std::map<std::string, std::string> tree;
  List(folder, tree);
  return tree;
}

// Files in the user's Desktop (桌面 and Desktop), Favorites and My Documents,
// nested and with Chinese names, keyed by their place below the profile.
const std::map<std::string, std::string> kSeeded = {
    {"桌面\\桌面便笺.txt", "desk note"},
    {"桌面\\项目\\2008\\计划.txt", "plan, two levels down"},
    {"Desktop\\desktop.txt", "from the English-named desktop"},
    {"Favorites\\网站.url", "[InternetShortcut]\r\nURL=http://example.com/\r\n"},
    {"Favorites\\工具\\搜索.url", "[InternetShortcut]\r\nURL=http://example.org/\r\n"},
    {"My Documents\\报告.txt", "report"},
    {"My Documents\\照片\\旅行\\图片.txt", "picture"},
};

// Where each seeded file must land below the target.
std::string LandsAt(const std::string& seeded) {
  const std::string top = seeded.substr(0, seeded.find('\\'));
  const std::string rest = seeded.substr(top.size());
  return (top == "桌面" || top == "Desktop" ? std::string("Desktop") : top) + rest;
}

// Seeds the profile and clears the targets; puts every value, file and folder
// back as it was when the case ends, however it ends.
struct RelocationScene {
  const std::string profile = Environment("USERPROFILE");
  const std::vector<std::string> targets;
  const std::vector<Value> values = ValuesOf({});
  const std::vector<std::optional<std::string>> before = Read(values);

  explicit RelocationScene(std::vector<std::string> folders) : targets(std::move(folders)) {
    for (const std::string& target : targets)
      e2e::RemoveTree(target);
    for (const auto& [place, bytes] : kSeeded) {
      const std::string path = profile + "\\" + place;
      e2e::MakeFolders(kelvaro::SplitAtLastBackslash(path).head);
      e2e::WriteFileBytes(path, bytes);
    }
  }
  ~RelocationScene() {
    for (size_t i = 0; i < values.size(); ++i) {
      if (before[i]) {
        e2e::WriteRegistryText(values[i].root, values[i].key, values[i].name, *before[i]);
      } else {
        DeleteValue(values[i]);
      }
    }
    for (const auto& [place, bytes] : kSeeded)
      DeleteFileA((profile + "\\" + place).c_str());
    for (const char* folder : {"桌面\\项目", "Favorites\\工具", "My Documents\\照片"}) {
      e2e::RemoveTree(profile + "\\" + folder);
    }
    for (const std::string& target : targets)
      e2e::RemoveTree(target);
  }
};

// Ticks exactly these boxes, sets the target (when given) and presses 转移.
e2e::MessageBoxSeen Relocate(e2e::Program& program, std::initializer_list<Control> boxes,
                             const std::optional<std::string>& target = std::nullopt) {
  program.SelectPage(kRelocatePage);
  for (const kelvaro::RelocationItem& item : kelvaro::kRelocationItems) {
    program.SetChecked(item.box, std::find(boxes.begin(), boxes.end(), item.box) != boxes.end());
  }
  if (target) program.SetText(program.Get(Control::编辑框1), *target);
  program.Click("转移");
  return program.WaitForMessageBox(120000);
}

const std::initializer_list<Control> kAllSix = {Control::选择框9, Control::选择框6,
                                                Control::选择框5, Control::选择框7,
                                                Control::选择框8, Control::选择框10};

}  // namespace

E2E_CASE(relocate_all_six_copy_the_folders_and_point_the_registry_there) {
  RelocationScene scene({"D:\\Personal"});
  REQUIRE(!scene.profile.empty());
  e2e::Program program = e2e::Program::Launch();
  program.SelectPage(kRelocatePage);
  CHECK_EQ(program.Text(Control::编辑框1), std::string("D:\\Personal"));

  const e2e::MessageBoxSeen box = Relocate(program, kAllSix);
  REQUIRE(box.found);
  CHECK_EQ(box.text, std::string(kDone));
  CHECK_EQ(box.icon, 64);
  CHECK_EQ(box.title, std::string("信息："));

  for (const auto& [place, bytes] : kSeeded) {
    CHECK_EQ(e2e::ReadFileBytes("D:\\Personal\\" + LandsAt(place)), std::optional(bytes));
    CHECK(e2e::PathExists(scene.profile + "\\" + place));  // the old folders keep theirs
  }
  for (const char* folder : {"Desktop", "Favorites", "My Documents", "My Documents\\My Pictures",
                             "My Documents\\My Music", "Temp", "Temporary Internet Files", "OE"}) {
    CHECK(e2e::IsFolder(std::string("D:\\Personal\\") + folder));
  }
  // My Documents went into the folder the registry names, not a guessed short name.
  CHECK(!e2e::PathExists("D:\\Personal\\Mydocu~1"));

  CHECK_EQ(scene.values.size(), 25u);
  for (const Value& value : scene.values) {
    CHECK_EQ(e2e::ReadRegistryText(value.root, value.key, value.name),
             std::optional("D:\\Personal" + value.suffix));
  }
  CHECK_EQ(e2e::ReadRegistryText(
               HKEY_USERS,
               ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
               "Download Directory"),
           std::optional<std::string>("D:\\Personal\\My Documents"));
  CHECK_EQ(e2e::ReadRegistryText(HKEY_CURRENT_USER,
                                 "Identities\\{F4E98C86-4D9A-463F-920C-1DF555C3B434}\\Software\\"
                                 "Microsoft\\Outlook Express",
                                 "5.0、Store Root"),
           std::optional<std::string>("D:\\Personal\\Outlook Express"));
}

E2E_CASE(relocate_unsafe_target_is_refused_and_nothing_changes) {
  const std::string inProfile = "C:\\Docume~1\\" + Environment("USERNAME") + "\\Backup";
  RelocationScene scene(
      {"D:\\x", "D:\\injected", "C:\\users\\" + Environment("USERNAME") + "\\Backup"});
  e2e::Program program = e2e::Program::Launch();
  struct Refusal {
    std::string target, says;
  } refusals[] = {
      {"D:\\x & md D:\\injected", "空格"},
      {"D:\\x&md D:\\injected", "空格"},
      {inProfile, "配置文件夹"},
      {"Q:\\Personal", "Q:"},
  };
  for (const Refusal& refusal : refusals) {
    const std::map<std::string, std::string> drive = Tree("D:");
    const std::map<std::string, std::string> profile = Tree(scene.profile);
    const e2e::MessageBoxSeen box = Relocate(program, kAllSix, refusal.target);
    REQUIRE(box.found);
    CHECK_EQ(box.icon, 16);
    CHECK(box.text.find(refusal.says) != std::string::npos);
    CHECK(Tree("D:") == drive);
    CHECK(Tree(scene.profile) == profile);
    CHECK(Read(scene.values) == scene.before);
  }
  CHECK(!e2e::PathExists("D:\\injected"));
}

E2E_CASE(relocate_copy_that_cannot_be_written_keeps_that_items_values) {
  // In the target, a folder sits where each of the Favorites' files must go.
  const std::string target = "D:\\受阻";
  RelocationScene scene({target});
  for (const auto& [place, bytes] : kSeeded) {
    if (place.rfind("Favorites\\", 0) == 0 && place.find('\\', 10) == std::string::npos) {
      e2e::MakeFolders(target + "\\" + place);
    }
  }
  const std::vector<Value> favorites = ValuesOf({Control::选择框6});
  const std::vector<Value> temp = ValuesOf({Control::选择框7});
  const std::vector<std::optional<std::string>> favoritesBefore = Read(favorites);

  e2e::Program program = e2e::Program::Launch();
  const e2e::MessageBoxSeen box =
      Relocate(program, {Control::选择框6, Control::选择框7}, target + "\\");
  REQUIRE(box.found);
  CHECK_EQ(box.icon, 48);
  CHECK_EQ(box.title, std::string("信息："));
  CHECK(box.text.find("收藏夹") != std::string::npos);
  CHECK(box.text.find("Temp") == std::string::npos);

  CHECK(Read(favorites) == favoritesBefore);
  for (const Value& value : temp) {
    CHECK_EQ(e2e::ReadRegistryText(value.root, value.key, value.name),
             std::optional(target + value.suffix));
  }
  CHECK(e2e::IsFolder(target + "\\Temp"));
}

E2E_CASE(relocate_picker_cancelled_empties_the_edit_box) {
  e2e::Program program = e2e::Program::Launch();
  program.SelectPage(kRelocatePage);
  REQUIRE(program.Text(Control::编辑框1) == "D:\\Personal");
  program.PressLeftButton(program.Get(Control::标签9));

  HWND dialog = nullptr;
  for (int i = 0; i < 200 && !dialog; ++i) {
    e2e::Sleep(50);
    HWND window = FindWindowA("#32770", nullptr);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (window && pid == program.pid()) dialog = window;
  }
  REQUIRE(dialog);
  bool titled = false;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    titled = titled || program.Text(child) == "请选择目标目录";
  }
  CHECK(titled);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);

  for (int i = 0; i < 200 && program.Text(Control::编辑框1) != ""; ++i)
    e2e::Sleep(50);
  CHECK_EQ(program.Text(Control::编辑框1), std::string());
  CHECK(!IsWindow(dialog));
}
