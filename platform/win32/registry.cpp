// Registry values.
#include <windows.h>

#include "platform/operations.h"
#include "platform/win32/win32_system.h"

namespace kelvaro {
namespace {

HKEY RootKey(int root) {
  switch (root) {
    case kClassesRoot:
      return HKEY_CLASSES_ROOT;
    case kCurrentConfig:
      return HKEY_CURRENT_CONFIG;
    case kLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case kUsers:
      return HKEY_USERS;
    default:
      return HKEY_CURRENT_USER;
  }
}

}  // namespace

bool Win32System::WriteRegistryText(int root, const std::string& path, const std::string& value) {
  const RegistryPath split = SplitRegistryPath(path);
  HKEY key = nullptr;
  if (RegOpenKeyExA(RootKey(root), split.key.c_str(), 0, KEY_WRITE, &key) != ERROR_SUCCESS &&
      RegCreateKeyA(RootKey(root), split.key.c_str(), &key) != ERROR_SUCCESS) {
    return false;
  }
  const LONG written =
      RegSetValueExA(key, split.valueName.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(value.c_str()), value.size() + 1);
  RegCloseKey(key);
  return written == ERROR_SUCCESS;
}

}  // namespace kelvaro
