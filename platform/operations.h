// Pure pieces of the system operations: conversions the Win32 calls rely on,
// kept apart so they can be tested on any host.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

struct PathSplit {
  std::string head;  // before the last backslash; the whole text when there is none
  std::string tail;  // after it; empty when there is no backslash or it ends the text
  bool hasBackslash = false;
  friend bool operator==(const PathSplit&, const PathSplit&) = default;
};

// Splits a GBK text at its last backslash. A byte with the high bit set starts
// a two-byte character whose second byte is never taken for a backslash.
PathSplit SplitAtLastBackslash(std::string_view path);

struct RegistryPath {
  std::string key;        // empty: the value lies directly under the root
  std::string valueName;  // empty: the key's default value
  friend bool operator==(const RegistryPath&, const RegistryPath&) = default;
};

RegistryPath SplitRegistryPath(std::string_view path);

// The show command (SW_ number) for a RunCommand window mode: an omitted mode
// shows normally, numbers above 6 count as 6 and below 1 as 1.
int ShowCommandForWindowMode(std::optional<int> windowMode);

// The shell verb for an OpenWithShell operation; nullptr for the default action.
const char* VerbForShellOperation(std::optional<int> operation);

// The title a message box shows when the caller gives none.
inline constexpr char kDefaultMessageTitle[] = "信息：";

}  // namespace kelvaro
