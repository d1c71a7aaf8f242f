// A 16-byte class or object identifier, written in its text form and stored in
// the byte order files use (first three fields little-endian).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kelvaro {

struct ClassId {
  std::array<uint8_t, 16> bytes{};
  friend bool operator==(const ClassId&, const ClassId&) = default;
};

namespace class_id_detail {

// Not constexpr: reaching one of these while parsing at compile time is an error.
void NotAHexadecimalDigit();
void NotAnIdentifierOfTheForm8_4_4_4_12();

consteval uint8_t HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
  NotAHexadecimalDigit();
  return 0;
}

}  // namespace class_id_detail

// "{20D04FE0-3AEA-1069-A2D8-08002B30309D}" → E0 4F D0 20 EA 3A 69 10 A2 D8 08 00 2B 30 30 9D.
consteval ClassId ParseClassId(std::string_view text) {
  using class_id_detail::HexDigit;
  if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' ||
      text[19] != '-' || text[24] != '-') {
    class_id_detail::NotAnIdentifierOfTheForm8_4_4_4_12();
  }
  // Text position of each stored byte's two digits, in stored order.
  constexpr int kDigitAt[16] = {7, 5, 3, 1, 12, 10, 17, 15, 20, 22, 25, 27, 29, 31, 33, 35};
  ClassId id;
  for (int i = 0; i < 16; ++i) {
    id.bytes[i] =
        static_cast<uint8_t>(HexDigit(text[kDigitAt[i]]) << 4 | HexDigit(text[kDigitAt[i] + 1]));
  }
  return id;
}

}  // namespace kelvaro
