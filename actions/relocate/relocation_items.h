// The six folder groups that can be moved to the target directory: the folders
// made under the target, the copies that fill them and the registry values
// that point Windows at them. Every suffix is appended to the target as is.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>

#include "actions/form.h"
#include "platform/system.h"

namespace kelvaro {

// "cmd /cxcopy " + source + "\*.* " + target + destination + switches.
struct CopyCommand {
  const char* source;       // the folder copied, as the interpreter names it
  const char* destination;  // the folder made under the target that receives the copy
  const char* switches;     // what follows the destination, its closing backslash included
};

struct RegistryWrite {
  int root;
  const char* path;  // key path, a backslash, the value name
  const char* suffix;
};

struct RelocationItem {
  Control box;
  const char* name;  // as the check box reads
  std::span<const char* const> folders;
  std::span<const CopyCommand> copies;
  std::span<const RegistryWrite> writes;
};

inline constexpr char kCopyCommandStart[] = "cmd /cxcopy ";
inline constexpr char kCopySourceFiles[] = "\\*.* ";

namespace relocation_data {

#define KELVARO_EXPLORER "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer"
#define KELVARO_SF KELVARO_EXPLORER "\\Shell Folders"
#define KELVARO_USF KELVARO_EXPLORER "\\User Shell Folders"
#define KELVARO_DSF ".DEFAULT\\" KELVARO_EXPLORER "\\Shell Folders"
#define KELVARO_PROFILE "C:\\Docume~1\\%USERNAME%"

inline constexpr const char* kDesktopFolders[] = {"\\Desktop"};
inline constexpr CopyCommand kDesktopCopies[] = {
    {KELVARO_PROFILE "\\桌面", "\\Desktop", "\\ /e /y "},
    {KELVARO_PROFILE "\\Desktop", "\\Desktop", "\\ /e /y "},
};
inline constexpr RegistryWrite kDesktopWrites[] = {
    {kCurrentUser, KELVARO_SF "\\Desktop", "\\Desktop"},
    {kCurrentUser, KELVARO_USF "\\Desktop", "\\Desktop"},
    {kUsers, KELVARO_DSF "\\Desktop", "\\Desktop"},
};

inline constexpr const char* kFavoritesFolders[] = {"\\Favorites"};
inline constexpr CopyCommand kFavoritesCopies[] = {
    {KELVARO_PROFILE "\\Favori~1", "\\Favorites", "\\ /e /y"},
};
inline constexpr RegistryWrite kFavoritesWrites[] = {
    {kCurrentUser, KELVARO_SF "\\Favorites", "\\Favorites"},
    {kCurrentUser, KELVARO_USF "\\Favorites", "\\Favorites"},
    {kUsers, KELVARO_DSF "\\Favorites", "\\Favorites"},
};

inline constexpr const char* kDocumentsFolders[] = {"\\My Documents", "\\My Documents\\My Pictures",
                                                    "\\My Documents\\My Music"};
// The destination has a blank; the handler names it by its short path.
inline constexpr CopyCommand kDocumentsCopies[] = {
    {KELVARO_PROFILE "\\Mydocu~1", "\\My Documents", "\\ /e /y"},
};
inline constexpr RegistryWrite kDocumentsWrites[] = {
    {kCurrentUser, KELVARO_SF "\\Personal", "\\My Documents"},
    {kCurrentUser, KELVARO_USF "\\Personal", "\\My Documents"},
    {kUsers, KELVARO_DSF "\\Download Directory", "\\My Documents"},
    {kCurrentUser, KELVARO_SF "\\My Music", "\\My Documents\\My Music"},
    {kCurrentUser, KELVARO_USF "\\My Music", "\\My Documents\\My Music"},
    {kUsers, KELVARO_DSF "\\My Music", "\\My Documents\\My Music"},
    {kCurrentUser, KELVARO_SF "\\My Pictures", "\\My Documents\\My Pictures"},
    {kCurrentUser, KELVARO_USF "\\My Pictures", "\\My Documents\\My Pictures"},
    {kUsers, KELVARO_DSF "\\My Pictures", "\\My Documents\\My Pictures"},
    {kCurrentUser, KELVARO_SF "\\Recent", "\\Recent"},
    {kCurrentUser, KELVARO_USF "\\Recent", "\\Recent"},
};

inline constexpr const char* kTempFolders[] = {"\\Temp"};
inline constexpr RegistryWrite kTempWrites[] = {
    {kCurrentUser, "Environment\\TEMP", "\\Temp"},
    {kCurrentUser, "Environment\\TMP", "\\Temp"},
    {kUsers, ".DEFAULT\\Environment\\TEMP", "\\Temp"},
    {kUsers, ".DEFAULT\\Environment\\TMP", "\\Temp"},
};

inline constexpr const char* kCacheFolders[] = {"\\Temporary Internet Files"};
inline constexpr RegistryWrite kCacheWrites[] = {
    {kCurrentUser, KELVARO_SF "\\Cache", "\\Temporary Internet Files"},
    {kCurrentUser, KELVARO_USF "\\Cache", "\\Temporary Internet Files"},
    {kUsers, KELVARO_DSF "\\Cache", "\\Temporary Internet Files"},
};

// The store of the mail program lies under one fixed identity; the value name
// is "5.0、Store Root".
inline constexpr const char* kOutlookFolders[] = {"\\OE"};
inline constexpr RegistryWrite kOutlookWrites[] = {
    {kCurrentUser,
     "Identities\\{F4E98C86-4D9A-463F-920C-1DF555C3B434}\\Software\\Microsoft\\Outlook "
     "Express\\5.0、Store Root",
     "\\Outlook Express"},
};

#undef KELVARO_EXPLORER
#undef KELVARO_SF
#undef KELVARO_USF
#undef KELVARO_DSF
#undef KELVARO_PROFILE

}  // namespace relocation_data

// In the order they are carried out.
inline constexpr RelocationItem kRelocationItems[] = {
    {Control::选择框9, "桌面", relocation_data::kDesktopFolders, relocation_data::kDesktopCopies,
     relocation_data::kDesktopWrites},
    {Control::选择框6, "收藏夹", relocation_data::kFavoritesFolders,
     relocation_data::kFavoritesCopies, relocation_data::kFavoritesWrites},
    {Control::选择框5, "我的文档", relocation_data::kDocumentsFolders,
     relocation_data::kDocumentsCopies, relocation_data::kDocumentsWrites},
    {Control::选择框7,
     "Temp文件夹",
     relocation_data::kTempFolders,
     {},
     relocation_data::kTempWrites},
    {Control::选择框8,
     "上网临时文件",
     relocation_data::kCacheFolders,
     {},
     relocation_data::kCacheWrites},
    {Control::选择框10,
     "Outlook文件夹",
     relocation_data::kOutlookFolders,
     {},
     relocation_data::kOutlookWrites},
};

// The longest text any folder or value appends to the target.
inline constexpr size_t kLongestRelocationSuffix = [] {
  size_t longest = 0;
  for (const RelocationItem& item : kRelocationItems) {
    for (const char* folder : item.folders) {
      longest = std::max(longest, std::string_view(folder).size());
    }
    for (const RegistryWrite& write : item.writes) {
      longest = std::max(longest, std::string_view(write.suffix).size());
    }
  }
  return longest;
}();

}  // namespace kelvaro
