// The values the phone-book entry and the desktop shortcut of the broadband
// connection share; the two files must agree on each of them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "actions/tools/class_id.h"

namespace kelvaro {

inline constexpr std::u16string_view kConnectionName = u"宽带连接";
inline constexpr ClassId kConnectionId = ParseClassId("{47392A42-78B6-4CF5-90CB-D441B47A13E3}");
// The PPPoE miniport as a Chinese-language system names it.
inline constexpr std::u16string_view kConnectionDevice = u"WAN 微型端口 (PPPOE)";

// Where the files go (GBK, as every path the program hands to the system).
inline constexpr char kPhoneBookPath[] =
    "C:\\Documents and Settings\\All Users\\Application Data\\Microsoft\\Network\\Connections"
    "\\Pbk\\rasphone.pbk";
inline constexpr char kShortcutPath[] = "C:\\Documents and Settings\\All Users\\桌面\\宽带连接.lnk";

namespace connection_detail {

// Not constexpr: reaching it while widening at compile time is an error.
void NotAnAsciiText();

// An ASCII text widened to UTF-16, its terminating zero included.
template <size_t N>
consteval std::array<char16_t, N> WidenAscii(const char (&text)[N]) {
  std::array<char16_t, N> wide{};
  for (size_t i = 0; i < N; ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80) NotAnAsciiText();
    wide[i] = static_cast<char16_t>(text[i]);
  }
  return wide;
}

inline constexpr auto kPhoneBookPathWide = WidenAscii(kPhoneBookPath);

}  // namespace connection_detail

// The phone-book path as the shortcut stores it.
inline constexpr std::u16string_view kPhoneBookPathUtf16{
    connection_detail::kPhoneBookPathWide.data(), connection_detail::kPhoneBookPathWide.size() - 1};

}  // namespace kelvaro
