#include "actions/about/contact_links.h"

namespace kelvaro {

void OpenSponsorPage(System& system, Form&) {
  system.OpenUrl(kSponsorPage);
}

void OpenContactMail(System& system, Form&) {
  system.OpenUrl(kContactMail);
}

void OpenContactChat(System& system, Form&) {
  system.OpenUrl(kContactChat);
}

}  // namespace kelvaro
