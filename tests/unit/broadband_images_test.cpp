// The two files of the broadband connection, byte for byte, and what an
// independent shortcut parser makes of the shortcut.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "actions/tools/connection_shortcut.h"
#include "actions/tools/connection_values.h"
#include "actions/tools/phone_book.h"

namespace kelvaro {
namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int byte : bytes)
    out += static_cast<char>(byte);
  return out;
}

uint32_t U32At(const std::string& image, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = value << 8 | static_cast<uint8_t>(image[offset + i]);
  return value;
}
uint16_t U16At(const std::string& image, size_t offset) {
  return static_cast<uint16_t>(static_cast<uint8_t>(image[offset]) |
                               static_cast<uint8_t>(image[offset + 1]) << 8);
}

// UTF-16LE (BMP only) from the image, up to its terminating zero, as UTF-8.
std::string Utf16AtAsUtf8(const std::string& image, size_t offset) {
  std::string out;
  for (uint16_t unit; (unit = U16At(image, offset)) != 0; offset += 2) {
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (unit < 0x800) {
      out += static_cast<char>(0xC0 | unit >> 6);
      out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | unit >> 12);
      out += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return out;
}

std::string HexOf(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char byte : bytes) {
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
  }
  return out;
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t from = 0; from < text.size();) {
    const size_t end = text.find("\r\n", from);
    if (end == std::string::npos) {
      lines.push_back(text.substr(from) + "<no line end>");
      break;
    }
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  return lines;
}

// UTF-8, whatever the narrow execution character set.
std::string Utf8(std::u8string_view text) {
  return {text.begin(), text.end()};
}

const std::string kConnectionIdBytes = Bytes({0x42, 0x2A, 0x39, 0x47, 0xB6, 0x78, 0xF5, 0x4C, 0x90,
                                              0xCB, 0xD4, 0x41, 0xB4, 0x7A, 0x13, 0xE3});

constexpr size_t kLeadingBytes = 21;

TEST(PhoneBookImage, LeadingBytesThenNinetyLinesOfTheOneEntry) {
  const std::string image = PhoneBookImage();
  ASSERT_EQ(image.size(), 1632u);
  EXPECT_EQ(image.substr(0, kLeadingBytes),
            Bytes({0xEF, 0xBB, 0xBF, 0x0D, 0x0A, 0x18, 0xEA, 0xBC, 0x04, 0x01, 0x10,
                   0x08, 0x0D, 0x0A, 0xCC, 0xCC, 0xCC, 0xCC, 0xB0, 0x0D, 0x0A}));
  EXPECT_EQ(image.substr(image.size() - 4), "\r\n\r\n");
  EXPECT_EQ(image.substr(kLeadingBytes), PhoneBookEntry());

  const std::vector<std::string> lines = LinesOf(image.substr(kLeadingBytes));
  ASSERT_EQ(lines.size(), 90u);
  EXPECT_EQ(lines[0], Utf8(u8"[宽带连接]"));
  EXPECT_EQ(lines[1], "Encoding=1");
  EXPECT_EQ(lines[88], "TryNextAlternateOnFail=1");
  std::vector<size_t> empty;
  int keyValues = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) empty.push_back(i);
    if (line.find('=') != std::string::npos) ++keyValues;
    if (!line.empty()) {
      EXPECT_NE(line.front(), ' ') << i;
      EXPECT_NE(line.back(), ' ') << i;
    }
  }
  EXPECT_EQ(keyValues, 85);
  // After IpDnsSuffix=, ms_msclient=0, the Device line, and the last line.
  EXPECT_EQ(empty, (std::vector<size_t>{70, 74, 78, 89}));
  EXPECT_EQ(lines[69], "IpDnsSuffix=");
  EXPECT_EQ(lines[73], "ms_msclient=0");
  EXPECT_EQ(lines[77], Utf8(u8"Device=WAN 微型端口 (PPPOE)"));
  EXPECT_EQ(lines[79], "DEVICE=PPPoE");
  EXPECT_EQ(lines[6], "Guid=422A3947B678F54C90CBD441B47A13E3");
}

// Offsets in the shortcut.
constexpr size_t kIdList = 76;
constexpr size_t kConnectionItem = 148;
constexpr size_t kStringArea = kConnectionItem + 96;
constexpr size_t kPersisted = kStringArea + 44;

TEST(ShortcutImage, HeaderAndIdListLaidOutAsTheFormatSays) {
  const std::string link = ConnectionShortcutImage();
  ASSERT_EQ(link.size(), 524u);
  EXPECT_EQ(link.substr(0, 20),
            Bytes({0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46}));
  EXPECT_EQ(U32At(link, 20), 0x81u);                      // HasLinkTargetIDList | IsUnicode
  EXPECT_EQ(link.substr(24, 36), std::string(36, '\0'));  // attributes, times, size, icon
  EXPECT_EQ(U32At(link, 60), 1u);                         // ShowCommand
  EXPECT_EQ(link.substr(64, 12), std::string(12, '\0'));  // hot key, reserved

  EXPECT_EQ(U16At(link, kIdList), 442u);
  EXPECT_EQ(link.substr(78, 4), Bytes({0x14, 0x00, 0x1F, 0x50}));
  EXPECT_EQ(link.substr(98, 4), Bytes({0x14, 0x00, 0x2E, 0x1E}));
  EXPECT_EQ(link.substr(118, 4), Bytes({0x1E, 0x00, 0x71, 0x80}));
  EXPECT_EQ(link.substr(132, 16), Bytes({0xC7, 0xAC, 0x07, 0x70, 0x02, 0x32, 0xD1, 0x11, 0xAA, 0xD2,
                                         0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E}));
  EXPECT_EQ(U16At(link, kConnectionItem), 370u);
  EXPECT_EQ(U16At(link, 518), 0u);  // end of the ID list
  EXPECT_EQ(kConnectionItem + 370, 518u);

  // The end of the persisted data, the empty phone number, four zero bytes,
  // the list's terminal and the TerminalBlock.
  EXPECT_EQ(static_cast<uint8_t>(link[510]), 0x05);
  EXPECT_EQ(link.substr(511), std::string(13, '\0'));
}

TEST(ShortcutImage, ConnectionItemAgreesWithThePhoneBook) {
  const std::string link = ConnectionShortcutImage();
  const std::string book = PhoneBookEntry();
  // The identifier twice: after the connection object's class, and in the persisted data.
  EXPECT_EQ(link.substr(kConnectionItem + 32, 16), kConnectionIdBytes);
  EXPECT_EQ(link.substr(kPersisted + 2 + 200, 16), kConnectionIdBytes);
  EXPECT_NE(book.find("\r\nGuid=" + HexOf(kConnectionIdBytes) + "\r\n"), std::string::npos);

  // Positions and sizes of the strings, and the strings themselves.
  const uint32_t fields[] = {44, 224, 0, 10, 10, 34, 0, 268, 2};
  for (size_t i = 0; i < std::size(fields); ++i) {
    EXPECT_EQ(U32At(link, kConnectionItem + 60 + 4 * i), fields[i]) << "field " << i;
  }
  EXPECT_EQ(link.substr(kStringArea, 10),
            Bytes({0xBD, 0x5B, 0x26, 0x5E, 0xDE, 0x8F, 0xA5, 0x63, 0, 0}));
  EXPECT_EQ(book.substr(0, book.find("\r\n")),
            std::string("[").append(Utf16AtAsUtf8(link, kStringArea)).append("]"));
  EXPECT_NE(book.find("\r\nDevice=" + Utf16AtAsUtf8(link, kStringArea + 10) + "\r\n"),
            std::string::npos);
  EXPECT_EQ(Utf16AtAsUtf8(link, kStringArea + 10), Utf8(u8"WAN 微型端口 (PPPOE)"));
  EXPECT_EQ(link.substr(kPersisted, 2), Bytes({0x14, 0x00}));
  EXPECT_EQ(Utf16AtAsUtf8(link, kPersisted + 2), kPhoneBookPath);
  EXPECT_EQ(link.substr(kPersisted + 218, 6), Bytes({0x01, 0, 0, 0, 0x05, 0}));
}

TEST(ConnectionPaths, AreTheGbkPathsOfAChineseSystem) {
  EXPECT_EQ(std::string(kShortcutPath),
            "C:\\Documents and Settings\\All Users\\" + Bytes({0xD7, 0xC0, 0xC3, 0xE6}) + "\\" +
                Bytes({0xBF, 0xED, 0xB4, 0xF8, 0xC1, 0xAC, 0xBD, 0xD3}) + ".lnk");
  EXPECT_EQ(std::string(kPhoneBookPath).size(), 99u);
}

// A different implementation's reading of the shortcut: lnkinfo must open it
// and find the four items of the target's ID list.
TEST(ShortcutImage, IndependentParserReadsTheTargetIdList) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("kelvaro-link-" + std::to_string(getpid()) + ".lnk");
  std::ofstream(file, std::ios::binary) << ConnectionShortcutImage();
  FILE* pipe = popen(("lnkinfo '" + file.string() + "' 2>&1").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string report;
  char buffer[4096];
  while (size_t read = fread(buffer, 1, sizeof buffer, pipe))
    report.append(buffer, read);
  const int status = pclose(pipe);
  std::filesystem::remove(file);
  ASSERT_EQ(status, 0) << report;

  for (const char* expected : {
           "Contains a link target identifier",
           "Number of items\t\t: 4",
           "Class type indicator\t: 0x1f (Root folder)",
           "Shell folder identifier\t: 20d04fe0-3aea-1069-a2d8-08002b30309d",
           "Shell folder name\t: My Computer",
           "Class type indicator\t: 0x2e",
           "Item type\t\t: Control panel",
           "Shell item: 4",
           "File size\t\t\t: 0 bytes",
       }) {
    EXPECT_NE(report.find(expected), std::string::npos) << expected << "\n" << report;
  }
  // No location or string data: only the ID list leads to the target.
  for (const char* absent : {"Local path", "Network path", "Description", "Relative path",
                             "Working directory", "Unable"}) {
    EXPECT_EQ(report.find(absent), std::string::npos) << absent << "\n" << report;
  }
}

}  // namespace
}  // namespace kelvaro
