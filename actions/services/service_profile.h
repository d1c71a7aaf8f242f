// The five service start-type profiles and the sc command line that applies
// each of their settings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

enum class ServiceProfile { Minimal, InternetCafe, Office, Laptop, XpDefault };
inline constexpr int kServiceProfileCount = 5;

// One service of a profile: its start word as sc spells it (AUTO, DEMAND,
// DISABLED; two settings write it in lower case) and the blanks that end the line.
struct ServiceSetting {
  std::string_view service;
  std::string_view startWord;
  int trailingBlanks = 0;
  friend bool operator==(const ServiceSetting&, const ServiceSetting&) = default;
};

// The settings of a profile, in the order they are applied.
std::vector<ServiceSetting> SettingsOf(ServiceProfile profile);

// "sc config   <service> start= <word>" and the trailing blanks, unquoted.
std::string CommandLine(const ServiceSetting& setting);

}  // namespace kelvaro
