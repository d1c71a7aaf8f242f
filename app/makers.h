// Who made the program and where to reach them. Fictional values on a
// reserved example domain, so nothing real is ever contacted.
#pragma once

#define KELVARO_TEAM_NAME "凯瓦罗工作室"
#define KELVARO_WEB_HOST "www.kelvaro.example"
#define KELVARO_MAIL_ADDRESS "support@kelvaro.example"
#define KELVARO_CHAT_NUMBER_SHOWN "800012345"
#define KELVARO_CHAT_NUMBER_LINKED "800067890"

namespace kelvaro {

struct Makers {
  const char* teamName;
  const char* webHost;
  const char* mailAddress;
  const char* chatNumberShown;   // the number page 介绍 shows
  const char* chatNumberLinked;  // the number the chat link opens
};

inline constexpr Makers kMakers{KELVARO_TEAM_NAME, KELVARO_WEB_HOST, KELVARO_MAIL_ADDRESS,
                                KELVARO_CHAT_NUMBER_SHOWN, KELVARO_CHAT_NUMBER_LINKED};

}  // namespace kelvaro
