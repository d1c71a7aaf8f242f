#include "actions/tools/phone_book.h"

#include <cstdint>
#include <vector>

#include "actions/tools/connection_values.h"

namespace kelvaro {
namespace {

// Before the first section: the UTF-8 byte-order mark and two short lines of
// bytes that the phone-book reader passes over.
constexpr uint8_t kLeadingBytes[] = {0xEF, 0xBB, 0xBF, 0x0D, 0x0A,                          //
                                     0x18, 0xEA, 0xBC, 0x04, 0x01, 0x10, 0x08, 0x0D, 0x0A,  //
                                     0xCC, 0xCC, 0xCC, 0xCC, 0xB0, 0x0D, 0x0A};

// A line whose value comes from the values the shortcut shares.
enum class Value { kAsWritten, kConnectionId, kDevice };

struct EntryLine {
  std::u8string_view text;
  Value value = Value::kAsWritten;
};

// The lines after the section header. No phone number, user name or password:
// the user enters the account when dialling.
constexpr EntryLine kEntryLines[] = {
    {u8"Encoding=1"},  // texts of the entry are UTF-8
    {u8"Type=5"},      // broadband
    {u8"AutoLogon=0"},
    {u8"UseRasCredentials=0"},
    {u8"DialParamsUID=4604961"},
    {u8"Guid=", Value::kConnectionId},
    {u8"BaseProtocol=1"},
    {u8"VpnStrategy=0"},
    {u8"ExcludedProtocols=3"},
    {u8"LcpExtensions=1"},
    {u8"DataEncryption=8"},
    {u8"SwCompression=1"},
    {u8"NegotiateMultilinkAlways=0"},
    {u8"SkipNwcWarning=0"},
    {u8"SkipDownLevelDialog=0"},
    {u8"SkipDoubleDialDialog=0"},
    {u8"DialMode=1"},
    {u8"DialPercent=75"},
    {u8"DialSeconds=120"},
    {u8"HangUpPercent=10"},
    {u8"HangUpSeconds=120"},
    {u8"OverridePref=15"},
    {u8"RedialAttempts=3"},
    {u8"RedialSeconds=60"},
    {u8"IdleDisconnectSeconds=0"},
    {u8"RedialOnLinkFailure=1"},
    {u8"CallbackMode=0"},
    {u8"CustomDialDll="},
    {u8"CustomDialFunc="},
    {u8"CustomRasDialDll="},
    {u8"AuthenticateServer=0"},
    {u8"ShareMsFilePrint=0"},
    {u8"BindMsNetClient=0"},
    {u8"SharedPhoneNumbers=0"},
    {u8"GlobalDeviceSettings=0"},
    {u8"PrerequisiteEntry="},
    {u8"PrerequisitePbk="},
    {u8"PreferredPort="},
    {u8"PreferredDevice="},
    {u8"PreferredBps=0"},
    {u8"PreferredHwFlow=0"},
    {u8"PreferredProtocol=0"},
    {u8"PreferredCompression=0"},
    {u8"PreferredSpeaker=0"},
    {u8"PreferredMdmProtocol=0"},
    {u8"PreviewUserPw=1"},  // the connect dialog asks for the account
    {u8"PreviewDomain=0"},
    {u8"PreviewPhoneNumber=0"},
    {u8"ShowDialingProgress=1"},
    {u8"ShowMonitorIconInTaskBar=1"},
    {u8"CustomAuthKey=-1"},
    {u8"AuthRestrictions=632"},
    {u8"TypicalAuth=1"},
    {u8"IpPrioritizeRemote=1"},
    {u8"IpHeaderCompression=0"},
    {u8"IpAddress=0.0.0.0"},
    {u8"IpDnsAddress=0.0.0.0"},
    {u8"IpDns2Address=0.0.0.0"},
    {u8"IpWinsAddress=0.0.0.0"},
    {u8"IpWins2Address=0.0.0.0"},
    {u8"IpAssign=1"},
    {u8"IpNameAssign=1"},
    {u8"IpFrameSize=1006"},
    {u8"IpDnsFlags=0"},
    {u8"IpNBTFlags=0"},
    {u8"TcpWindowSize=0"},
    {u8"UseFlags=1"},
    {u8"IpSecFlags=0"},
    {u8"IpDnsSuffix="},
    {u8""},
    {u8"NETCOMPONENTS="},
    {u8"ms_server=0"},
    {u8"ms_msclient=0"},
    {u8""},
    {u8"MEDIA=rastapi"},  // the link's device: the PPPoE port
    {u8"Port=PPPoE6-0"},
    {u8"Device=", Value::kDevice},
    {u8""},
    {u8"DEVICE=PPPoE"},  // the link's number settings follow
    {u8"PhoneNumber="},
    {u8"AreaCode="},
    {u8"CountryCode=1"},
    {u8"CountryID=1"},
    {u8"UseDialingRules=0"},
    {u8"Comment="},
    {u8"LastSelectedPhone=0"},
    {u8"PromoteAlternates=0"},
    {u8"TryNextAlternateOnFail=1"},
    {u8""},
};

constexpr char kLineEnd[] = "\r\n";

std::string Utf8(std::u8string_view text) {
  return {text.begin(), text.end()};
}

std::string Utf8(std::u16string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t code = text[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size()) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | code >> 6);
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | code >> 12);
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | code >> 18);
      out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

// The identifier as the phone book writes it: its stored bytes in hexadecimal.
std::string Hex(const ClassId& id) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (uint8_t byte : id.bytes) {
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
  }
  return out;
}

// The section header as this entry writes it, and as an older phone book
// without UTF-8 names would have it (GBK).
std::string Utf8Header() {
  std::string header(1, '[');
  header += Utf8(kConnectionName);
  header += ']';
  return header;
}
constexpr std::string_view kGbkHeader = "[宽带连接]";

// One line of a file: where it starts, and its text without the line end.
struct Line {
  size_t start;
  std::string_view text;
};

std::vector<Line> SplitLines(std::string_view file, size_t from) {
  std::vector<Line> lines;
  while (from < file.size()) {
    size_t end = file.find('\n', from);
    const size_t next = end == std::string_view::npos ? file.size() : end + 1;
    if (end == std::string_view::npos) end = file.size();
    std::string_view text = file.substr(from, end - from);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    lines.push_back({from, text});
    from = next;
  }
  return lines;
}

bool IsSectionHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace

std::string PhoneBookEntry() {
  std::string entry = Utf8Header() + kLineEnd;
  for (const EntryLine& line : kEntryLines) {
    entry += Utf8(line.text);
    if (line.value == Value::kConnectionId) entry += Hex(kConnectionId);
    if (line.value == Value::kDevice) entry += Utf8(kConnectionDevice);
    entry += kLineEnd;
  }
  return entry;
}

std::string PhoneBookImage() {
  return std::string(std::begin(kLeadingBytes), std::end(kLeadingBytes)) + PhoneBookEntry();
}

std::string PhoneBookWithEntry(std::optional<std::string_view> existing) {
  if (!existing || existing->empty()) return PhoneBookImage();
  const std::string_view file = *existing;
  const std::string header = Utf8Header();
  // A byte-order mark may stand right before the first section header.
  const size_t from = file.starts_with("\xEF\xBB\xBF") ? 3 : 0;

  // Find our section: from its header line to the next header line or the end.
  std::optional<size_t> begin, end;
  for (const Line& line : SplitLines(file, from)) {
    if (!IsSectionHeader(line.text)) continue;
    if (begin) {
      end = line.start;
      break;
    }
    if (line.text == header || line.text == kGbkHeader) begin = line.start;
  }

  std::string merged;
  if (begin) {
    merged.append(file.substr(0, *begin));
    merged += PhoneBookEntry();
    if (end) merged.append(file.substr(*end));
  } else {
    merged.append(file);
    if (!file.ends_with('\n')) merged += kLineEnd;
    merged += PhoneBookEntry();
  }
  return merged;
}

}  // namespace kelvaro
