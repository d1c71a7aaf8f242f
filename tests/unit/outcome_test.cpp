#include <gtest/gtest.h>

#include "actions/outcome.h"
#include "tests/unit/fake_system.h"

namespace kelvaro {
namespace {

using testing::FakeSystem;
using testing::Message;

TEST(Outcome, NothingFailedShowsTheCompletionMessage) {
  FakeSystem system;
  Outcome outcome;
  outcome.Report(system, "完毕！", kInformationIcon, "未完成：", "提示");
  EXPECT_EQ(system.calls, (std::vector{Message("完毕！", kInformationIcon, "提示")}));
}

TEST(Outcome, FailuresAreListedUpToTenThenCounted) {
  Outcome outcome;
  for (int i = 1; i <= 12; ++i)
    outcome.Fail("step " + std::to_string(i));
  const std::string text = outcome.Text("ok", "heading");
  EXPECT_EQ(text.rfind("heading\r\nstep 1\r\nstep 2\r\n", 0), 0u);
  EXPECT_NE(text.find("step 10"), std::string::npos);
  EXPECT_EQ(text.find("step 11"), std::string::npos);
  EXPECT_NE(text.find("2 项"), std::string::npos);

  FakeSystem system;
  outcome.Report(system, "ok", kInformationIcon, "heading");
  EXPECT_EQ(system.calls.at(0).args.at(1), std::to_string(kWarningIcon));
}

TEST(Outcome, SummaryReplacesTheListAndNotesFollowEitherText) {
  Outcome outcome;
  outcome.Note("note");
  EXPECT_EQ(outcome.Text("ok", "heading"), "ok\r\nnote");
  outcome.Fail("a");
  outcome.Fail("b");
  outcome.Summarize("one cause");
  EXPECT_EQ(outcome.Text("ok", "heading"), "heading\r\none cause\r\nnote");
}

}  // namespace
}  // namespace kelvaro
