#include "actions/relocate/relocation_target.h"

#include <array>

#include "actions/relocate/relocation_items.h"
#include "platform/operations.h"

namespace kelvaro {
namespace {

bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}
bool IsTrailByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// The length in bytes of the character at `at`; 0 when the bytes there are
// not a GBK character.
size_t CharacterLength(std::string_view text, size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (byte < 0x80) return 1;
  if (!IsLeadByte(byte) || at + 1 >= text.size()) return 0;
  return IsTrailByte(static_cast<unsigned char>(text[at + 1])) ? 2 : 0;
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

// Names Windows keeps for devices, with or without an extension.
bool IsDeviceName(std::string_view level) {
  const std::string_view base = level.substr(0, level.find('.'));
  static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  for (std::string_view device : kDevices) {
    if (EqualsIgnoringCase(base, device)) return true;
  }
  return base.size() == 4 &&
         (EqualsIgnoringCase(base.substr(0, 3), "COM") ||
          EqualsIgnoringCase(base.substr(0, 3), "LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

bool IsValidLevel(std::string_view level) {
  return !level.empty() && level.back() != '.' && !IsDeviceName(level);
}

}  // namespace

std::string NormalizeTarget(std::string_view text) {
  const PathSplit split = SplitAtLastBackslash(text);
  if (split.hasBackslash && split.tail.empty()) return split.head;
  return std::string(text);
}

TargetProblem CheckTarget(std::string_view target, const TargetFacts& facts) {
  if (target.empty()) return TargetProblem::kEmpty;
  if (target.size() < 2 || Upper(target[0]) < 'A' || Upper(target[0]) > 'Z' || target[1] != ':' ||
      (target.size() > 2 && target[2] != '\\')) {
    return TargetProblem::kNotOnDrive;
  }

  // Walk the characters after "X:", splitting at backslashes into levels.
  size_t characters = 2;
  size_t levelStart = 3;
  for (size_t at = 2; at < target.size(); ++characters) {
    const size_t length = CharacterLength(target, at);
    if (length == 0) return TargetProblem::kInvalidName;
    const char c = target[at];
    if (length == 1) {
      if (kUnsafeTargetCharacters.find(c) != std::string_view::npos) {
        return TargetProblem::kUnsafeCharacter;
      }
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '*' || c == '?' || c == '/' ||
          c == ':') {
        return TargetProblem::kInvalidName;
      }
      if (c == '\\' && at > 2) {
        if (!IsValidLevel(target.substr(levelStart, at - levelStart))) {
          return TargetProblem::kInvalidName;
        }
        levelStart = at + 1;
      }
    }
    at += length;
  }
  if (target.size() > 2 && !IsValidLevel(target.substr(levelStart))) {
    return TargetProblem::kInvalidName;
  }

  if (characters + kLongestRelocationSuffix > kMaxFolderPath) return TargetProblem::kTooLong;
  if (!facts.driveExists) return TargetProblem::kNoSuchDrive;
  for (const std::string& profile : facts.profileFolders) {
    if (IsSameOrInside(target, profile)) return TargetProblem::kInsideProfile;
  }
  return TargetProblem::kNone;
}

bool IsSameOrInside(std::string_view path, std::string_view folder) {
  const std::string base = NormalizeTarget(folder);
  if (base.empty() || path.size() < base.size()) return false;
  for (size_t at = 0; at < base.size();) {
    const size_t length = CharacterLength(base, at);
    if (length == 0 || CharacterLength(path, at) != length) return false;
    if (length == 1 ? Upper(base[at]) != Upper(path[at])
                    : base.compare(at, 2, path.substr(at, 2)) != 0) {
      return false;
    }
    at += length;
  }
  return path.size() == base.size() || path[base.size()] == '\\';
}

}  // namespace kelvaro
