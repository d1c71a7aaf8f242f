// Files and folders.
#include <windows.h>

#include "platform/operations.h"
#include "platform/win32/win32_system.h"

namespace kelvaro {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
      return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

// Writes a temporary file beside the target and then puts it in the target's
// place, so a failed write never leaves a cut file behind.
bool Win32System::WriteFileBytes(const std::string& path, std::string_view bytes) {
  if (path.empty())
    return false;
  const PathSplit split = SplitAtLastBackslash(path);
  const std::string folder = split.hasBackslash ? split.head + "\\" : ".";
  char temporary[MAX_PATH];
  if (!GetTempFileNameA(folder.c_str(), "kel", 0, temporary))
    return false;
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DeleteFileA(temporary);
    return false;
  }
  const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
  CloseHandle(file);
  if (!written ||
      !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary);
    return false;
  }
  return true;
}

bool Win32System::CreateFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

std::optional<std::string> Win32System::ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return std::nullopt;
  std::string contents;
  char buffer[65536];
  DWORD read = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0) {
    contents.append(buffer, read);
  }
  CloseHandle(file);
  if (!ok)
    return std::nullopt;
  return contents;
}

bool Win32System::FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32System::DriveExists(char letter) {
  if (letter >= 'a' && letter <= 'z')
    letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z')
    return false;
  return (GetLogicalDrives() >> (letter - 'A')) & 1;
}

std::string Win32System::GetShortPath(const std::string& path) {
  char buffer[MAX_PATH];
  const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer)
    return {};
  return std::string(buffer, length);
}

std::string Win32System::GetEnvironmentText(const std::string& name) {
  char buffer[32768];
  const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer)
    return {};
  return std::string(buffer, length);
}

}  // namespace kelvaro
