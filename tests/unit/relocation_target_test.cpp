#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <set>
#include <string>

#include "actions/relocate/relocation_target.h"

namespace kelvaro {
namespace {

using P = TargetProblem;

// Drives C:, D: and E: exist; the profile is reached under three names, as in
// the test prefix.
TargetProblem Judge(const std::string& target) {
  static const std::set<char> kDrives{'C', 'D', 'E'};
  TargetFacts facts;
  facts.driveExists = !target.empty() && kDrives.count(static_cast<char>(toupper(target[0])));
  facts.profileFolders = {"C:\\users\\me", "C:\\Documents and Settings\\me\\", "C:\\Docume~1\\me"};
  return CheckTarget(target, facts);
}

std::string Repeat(const std::string& piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i)
    text += piece;
  return text;
}

// The longest target still accepted: its folders reach the limit exactly.
const std::string kLongest = "D:\\" + Repeat("a", kMaxFolderPath - 25 - 3);

TEST(RelocationTarget, IsNormalizedThenJudged) {
  struct Case {
    std::string text;
    std::string target;
    TargetProblem problem;
  } cases[] = {
      {"D:\\Personal", "D:\\Personal", P::kNone},
      {"D:\\Personal\\", "D:\\Personal", P::kNone},
      {"D:\\Personal\\\\", "D:\\Personal\\", P::kInvalidName},
      {"E:\\", "E:", P::kNone},
      {"e:", "e:", P::kNone},
      {"D:\\资料\\备份", "D:\\资料\\备份", P::kNone},
      // 乗 ends in the byte of a backslash, 亅 in that of a bar: neither is one.
      {"D:\\乗", "D:\\乗", P::kNone},
      {"D:\\乗\\", "D:\\乗", P::kNone},
      {"D:\\亅", "D:\\亅", P::kNone},
      {"D:\\x~1\\a.b-c_d[1]{2}+#$@'`", "D:\\x~1\\a.b-c_d[1]{2}+#$@'`", P::kNone},
      {"D:\\console\\nul1", "D:\\console\\nul1", P::kNone},

      {"", "", P::kEmpty},
      {"\\", "", P::kEmpty},
      {"Personal", "Personal", P::kNotOnDrive},
      {"D:Personal", "D:Personal", P::kNotOnDrive},
      {"D:/Personal", "D:/Personal", P::kNotOnDrive},
      {"\\\\server\\share", "\\\\server\\share", P::kNotOnDrive},
      {"1:\\x", "1:\\x", P::kNotOnDrive},
      {" D:\\x", " D:\\x", P::kNotOnDrive},

      {"D:\\x & del /s /q C:\\*", "D:\\x & del /s /q C:\\*", P::kUnsafeCharacter},
      {"D:\\My Files", "D:\\My Files", P::kUnsafeCharacter},
      {"D:\\x \\", "D:\\x ", P::kUnsafeCharacter},

      {"D:\\a*b", "D:\\a*b", P::kInvalidName},
      {"D:\\a?b", "D:\\a?b", P::kInvalidName},
      {"D:\\a/b", "D:\\a/b", P::kInvalidName},
      {"D:\\a:b", "D:\\a:b", P::kInvalidName},
      {"D:\\a\tb", "D:\\a\tb", P::kInvalidName},
      {"D:\\a\\\\b", "D:\\a\\\\b", P::kInvalidName},
      {"D:\\..", "D:\\..", P::kInvalidName},
      {"D:\\a\\.\\b", "D:\\a\\.\\b", P::kInvalidName},
      {"D:\\a.", "D:\\a.", P::kInvalidName},
      {"D:\\CON", "D:\\CON", P::kInvalidName},
      {"D:\\x\\nul.txt", "D:\\x\\nul.txt", P::kInvalidName},
      {"D:\\lpt1", "D:\\lpt1", P::kInvalidName},
      {"D:\\a\x81", "D:\\a\x81", P::kInvalidName},
      {"D:\\\x80", "D:\\\x80", P::kInvalidName},
      {"D:\\\xB0\x7F", "D:\\\xB0\x7F", P::kInvalidName},

      {kLongest, kLongest, P::kNone},
      {kLongest + "a", kLongest + "a", P::kTooLong},
      // Characters count, not bytes: two-byte characters allow as many.
      {"D:\\" + Repeat("资", kMaxFolderPath - 25 - 3),
       "D:\\" + Repeat("资", kMaxFolderPath - 25 - 3), P::kNone},

      {"F:\\Personal", "F:\\Personal", P::kNoSuchDrive},
      {"f:", "f:", P::kNoSuchDrive},

      {"C:\\users\\me", "C:\\users\\me", P::kInsideProfile},
      {"c:\\USERS\\ME\\Backup\\", "c:\\USERS\\ME\\Backup", P::kInsideProfile},
      {"C:\\Docume~1\\me\\x", "C:\\Docume~1\\me\\x", P::kInsideProfile},
      {"C:\\users\\me2", "C:\\users\\me2", P::kNone},
      {"C:\\users", "C:\\users", P::kNone},
      {"C:", "C:", P::kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text: " + c.text);
    const std::string target = NormalizeTarget(c.text);
    EXPECT_EQ(target, c.target);
    EXPECT_EQ(Judge(target), c.problem);
  }
}

TEST(RelocationTarget, EveryCharacterTheInterpreterActsOnIsRefused) {
  for (char c : kUnsafeTargetCharacters) {
    SCOPED_TRACE(std::string("character: ") + c);
    EXPECT_EQ(Judge(std::string("D:\\a") + c + "b"), P::kUnsafeCharacter);
  }
}

TEST(RelocationTarget, InsideComparesWholeLevelsAndFoldsOnlySingleByteLetters) {
  EXPECT_TRUE(IsSameOrInside("D:\\资料\\x", "d:\\资料\\"));
  EXPECT_FALSE(IsSameOrInside("D:\\资料x", "D:\\资料"));
  // 丄 and 乤 differ only in a trail byte that reads as 'A' or 'a'.
  EXPECT_FALSE(IsSameOrInside("D:\\乤\\x", "D:\\丄"));
  EXPECT_FALSE(IsSameOrInside("D:\\x", ""));
}

// GBK characters as the interpreter sees them after conversion: a lead byte
// and whatever byte follows make one character.
bool HoldsSingleByte(const std::string& text, std::string_view bytes) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x81 && byte <= 0xFE) {
      ++i;
    } else if (bytes.find(text[i]) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

TEST(RelocationTarget, RandomTextsAcceptedAreOneSafeWord) {
  static constexpr char kAlphabet[] = "Dd:\\a. &|%^\"!=;,()*?/\x81\x5C\x7C\xB0\xA1\x80\xFF\x7F\t";
  std::mt19937 random(20240611);
  std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
  std::uniform_int_distribution<size_t> length(0, 24);
  int accepted = 0;
  for (int round = 0; round < 50000; ++round) {
    std::string text;
    if (round % 2) text = "D:\\";
    for (size_t i = length(random); i > 0; --i)
      text += kAlphabet[pick(random)];

    const std::string target = NormalizeTarget(text);
    ASSERT_TRUE(target == text || target + "\\" == text) << text;
    if (Judge(target) != P::kNone) continue;
    ++accepted;
    SCOPED_TRACE("accepted: " + target);
    EXPECT_TRUE(target.size() == 2 || target[2] == '\\');
    EXPECT_FALSE(
        HoldsSingleByte(target.substr(2), std::string(kUnsafeTargetCharacters) + "*?/:\t"));
    EXPECT_EQ(NormalizeTarget(target), target);
  }
  EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace kelvaro
