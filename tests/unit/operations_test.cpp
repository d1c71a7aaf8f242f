// The pure pieces of the system operations, and the byte values of the texts.
#include <gtest/gtest.h>

#include "platform/operations.h"

namespace kelvaro {
namespace {

TEST(Texts, LiteralsHoldGbkBytes) {
  EXPECT_EQ(std::string("×"), "\xA1\xC1");
  EXPECT_EQ(std::string("、"), "\xA1\xA2");
  EXPECT_EQ(std::string("＠"), "\xA3\xC0");
  EXPECT_EQ(std::string(kDefaultMessageTitle), "\xD0\xC5\xCF\xA2\xA3\xBA");  // 信息：
}

TEST(SplitRegistryPath, SplitsAtTheLastRealBackslash) {
  struct Case {
    const char* path;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\Desktop",
       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop"},
      {".DEFAULT\\Environment\\TEMP", ".DEFAULT\\Environment", "TEMP"},
      {"Desktop", "", "Desktop"},                        // no backslash: a value under the root
      {"Software\\Kelvaro\\", "Software\\Kelvaro", ""},  // trailing backslash: default value
      // 5.0、Store Root: the ideographic comma is A1 A2 and stays in the value name.
      {"Identities\\Outlook Express\\5.0、Store Root", "Identities\\Outlook Express",
       "5.0、Store Root"},
      // D5 5C is one GBK character whose trail byte has the value of a backslash.
      {"Software\\\xD5\x5C\\Name", "Software\\\xD5\x5C", "Name"},
      {"Software\\\xD5\x5C", "Software", "\xD5\x5C"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitRegistryPath(c.path), (RegistryPath{c.key, c.value})) << c.path;
  }
}

TEST(ShowCommandForWindowMode, ClampsAndDefaults) {
  const std::pair<std::optional<int>, int> cases[] = {
      {std::nullopt, 1}, {1, 0}, {2, 1},  {3, 2}, {4, 3}, {5, 4}, {6, 6}, {7, 6},
      {99, 6},           {0, 0}, {-5, 0},
  };
  for (const auto& [mode, show] : cases) {
    EXPECT_EQ(ShowCommandForWindowMode(mode), show) << mode.value_or(-999);
  }
}

TEST(VerbForShellOperation, MapsTheFiveOperations) {
  const std::pair<std::optional<int>, const char*> cases[] = {
      {1, "edit"},  {2, "explore"}, {3, "find"},  {4, "open"},
      {5, "print"}, {0, nullptr},   {6, nullptr}, {std::nullopt, nullptr},
  };
  for (const auto& [operation, verb] : cases) {
    const char* got = VerbForShellOperation(operation);
    if (verb) {
      ASSERT_NE(got, nullptr) << *operation;
      EXPECT_STREQ(got, verb);
    } else {
      EXPECT_EQ(got, nullptr) << operation.value_or(-999);
    }
  }
}

}  // namespace
}  // namespace kelvaro

namespace kelvaro {
namespace {

// Random GBK-ish texts: the split never cuts a two-byte character and the two
// parts put back together give the text again.
TEST(SplitAtLastBackslash, RandomTextsSplitAtARealBackslash) {
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  const unsigned char alphabet[] = {'\\', 'a', ' ', 0x5C, 0x81, 0xD5, 0xA1, 0xFE, '.', 0x7F};
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const size_t length = next() % 12;
    for (size_t i = 0; i < length; ++i)
      text += static_cast<char>(alphabet[next() % sizeof alphabet]);
    const PathSplit split = SplitAtLastBackslash(text);
    if (!split.hasBackslash) {
      EXPECT_EQ(split.head, text);
      continue;
    }
    ASSERT_EQ(split.head + "\\" + split.tail, text);
    // The chosen backslash starts a character: walking the head never ends mid-character.
    size_t i = 0;
    while (i < split.head.size())
      i += static_cast<unsigned char>(split.head[i]) >= 0x80 ? 2 : 1;
    EXPECT_EQ(i, split.head.size()) << "split inside a character";
    // And it is the last one: the tail holds no backslash character of its own.
    for (size_t j = 0; j < split.tail.size(); ++j) {
      if (static_cast<unsigned char>(split.tail[j]) >= 0x80) {
        ++j;
      } else {
        EXPECT_NE(split.tail[j], '\\') << "a later backslash was passed over";
      }
    }
  }
}

}  // namespace
}  // namespace kelvaro
