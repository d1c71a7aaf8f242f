// The target directory of a relocation: read from the edit box, then judged
// before anything is made, copied or written. Pure, so every rule is testable
// on any host.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

enum class TargetProblem {
  kNone,
  kEmpty,
  kNotOnDrive,       // not "X:" or "X:\..."
  kUnsafeCharacter,  // a blank or a character the command interpreter acts on
  kInvalidName,      // a level no folder can have: empty, ending in '.', reserved, * ? / :
  kTooLong,
  kNoSuchDrive,
  kInsideProfile,
};

// What the judgement needs to know about the machine.
struct TargetFacts {
  bool driveExists = false;
  // Every name by which the user's profile folder is reached.
  std::vector<std::string> profileFolders;
};

// Folders longer than this cannot be made (room is kept for an 8.3 file name).
inline constexpr size_t kMaxFolderPath = 247;

// The edit box's text with at most one closing backslash removed.
std::string NormalizeTarget(std::string_view text);

TargetProblem CheckTarget(std::string_view target, const TargetFacts& facts);

// Whether `path` is `folder` or lies below it, letters compared without case.
bool IsSameOrInside(std::string_view path, std::string_view folder);

// The characters the target may not hold because the command interpreter
// would split the command line at them or act on them.
inline constexpr std::string_view kUnsafeTargetCharacters = " &|<>^%\"(),;=!";

}  // namespace kelvaro
