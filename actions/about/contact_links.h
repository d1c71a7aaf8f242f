// The makers' links: the pages, the e-mail address and the chat contact that
// the buttons and labels open through the shell, and the handlers that do it.
#pragma once

#include "actions/handler.h"
#include "app/makers.h"

namespace kelvaro {

inline constexpr char kSponsorPage[] = "http://" KELVARO_WEB_HOST "/zanzhu/";
inline constexpr char kContactMail[] = "mailto:" KELVARO_MAIL_ADDRESS;
// A different number from the one page 介绍 shows.
inline constexpr char kContactChat[] =
    "tencent://message/?Menu=yes&uin=" KELVARO_CHAT_NUMBER_LINKED;
// Shown in the about window's browser pane.
inline constexpr char kAdvertisementPage[] = "http://" KELVARO_WEB_HOST "/admin/ad/youhua.htm";

// Each opens its one target with the program registered for its scheme; when
// there is none, nothing opens.
void OpenSponsorPage(System& system, Form& form);
void OpenContactMail(System& system, Form& form);
void OpenContactChat(System& system, Form& form);

}  // namespace kelvaro
