// The makers' links: which control opens which target, and that every target
// stays on the fictional makers' reserved domain.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "actions/about/contact_links.h"
#include "app/control_table.h"
#include "tests/unit/fake_form.h"
#include "tests/unit/fake_system.h"

namespace kelvaro {
namespace {

using testing::FakeForm;
using testing::FakeSystem;
using testing::Url;

struct LinkCase {
  Control control;
  Event event;
  const char* target;
};

constexpr LinkCase kLinkCases[] = {
    {Control::按钮29, Event::kClick, "http://" KELVARO_WEB_HOST "/zanzhu/"},
    // Shows the web site but writes an e-mail.
    {Control::标签7, Event::kLeftButtonDown, "mailto:" KELVARO_MAIL_ADDRESS},
    {Control::标签10, Event::kLeftButtonDown,
     "tencent://message/?Menu=yes&uin=" KELVARO_CHAT_NUMBER_LINKED},
};

TEST(ContactLinks, EachControlOpensExactlyItsTarget) {
  for (const LinkCase& link : kLinkCases) {
    const ControlRow& row = kControls[static_cast<int>(link.control)];
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(row.event, link.event);
    ASSERT_NE(row.handler, nullptr);
    FakeSystem system;
    FakeForm form;
    row.handler(system, form);
    EXPECT_EQ(system.calls, std::vector{Url(link.target)});
    EXPECT_TRUE(system.progress.empty());
  }
}

TEST(ContactLinks, ChatLabelShowsOneNumberAndOpensTheOther) {
  const std::string shown = kControls[static_cast<int>(Control::标签10)].caption;
  const std::string opened = kContactChat;
  EXPECT_NE(shown.find(KELVARO_CHAT_NUMBER_SHOWN), std::string::npos) << shown;
  EXPECT_EQ(opened.find(KELVARO_CHAT_NUMBER_SHOWN), std::string::npos) << opened;
  EXPECT_STRNE(KELVARO_CHAT_NUMBER_SHOWN, KELVARO_CHAT_NUMBER_LINKED);
}

// The host part of "scheme://host/path" or of "mailto:user@host".
std::string_view HostOf(std::string_view target) {
  if (target.starts_with("mailto:")) return target.substr(target.find('@') + 1);
  target.remove_prefix(target.find("://") + 3);
  return target.substr(0, target.find('/'));
}

TEST(ContactLinks, WebAndMailTargetsStayOnAReservedDomain) {
  // .example never resolves to a real host, so nothing real is contacted.
  for (std::string_view target : {kSponsorPage, kContactMail, kAdvertisementPage}) {
    EXPECT_TRUE(HostOf(target).ends_with(".example")) << target;
  }
  EXPECT_EQ(std::string_view(kAdvertisementPage),
            "http://" KELVARO_WEB_HOST "/admin/ad/youhua.htm");
}

}  // namespace
}  // namespace kelvaro
