#include "platform/operations.h"

namespace kelvaro {

PathSplit SplitAtLastBackslash(std::string_view path) {
  std::optional<size_t> last;
  for (size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (byte >= 0x80) {
      ++i;  // the trail byte of a GBK character, whatever its value
    } else if (byte == '\\') {
      last = i;
    }
  }
  if (!last)
    return {std::string(path), {}, false};
  return {std::string(path.substr(0, *last)), std::string(path.substr(*last + 1)), true};
}

RegistryPath SplitRegistryPath(std::string_view path) {
  PathSplit split = SplitAtLastBackslash(path);
  if (!split.hasBackslash)
    return {{}, std::move(split.head)};
  return {std::move(split.head), std::move(split.tail)};
}

int ShowCommandForWindowMode(std::optional<int> windowMode) {
  // SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_MINIMIZE
  static constexpr int kShowCommands[] = {0, 1, 2, 3, 4, 6};
  int mode = windowMode.value_or(2);
  if (mode < 1)
    mode = 1;
  if (mode > 6)
    mode = 6;
  return kShowCommands[mode - 1];
}

const char* VerbForShellOperation(std::optional<int> operation) {
  static constexpr const char* kVerbs[] = {"edit", "explore", "find", "open", "print"};
  if (!operation || *operation < 1 || *operation > 5)
    return nullptr;
  return kVerbs[*operation - 1];
}

}  // namespace kelvaro
