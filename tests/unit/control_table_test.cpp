// The control table's own contract, checked before anything relies on it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/control_table.h"

namespace kelvaro {
namespace {

TEST(ControlTable, RowsFollowTheControlOrderOncePerControl) {
  for (int i = 0; i < kControlCount; ++i) {
    EXPECT_EQ(static_cast<int>(kControls[i].id), i) << "row " << i;
  }
}

TEST(ControlTable, PagesAndPlacesAreSane) {
  int tabs = 0;
  for (const ControlSpec& spec : kControls) {
    if (spec.kind == ControlKind::kTab)
      ++tabs;
    EXPECT_GE(spec.page, kBelowTabs);
    EXPECT_LT(spec.page, kPageCount);
    EXPECT_GT(spec.width, 0);
    EXPECT_GT(spec.height, 0);
    if (spec.page != kBelowTabs) {
      // Page controls lie inside the tab control (295 × 144).
      EXPECT_LE(spec.left + spec.width, 295) << spec.caption;
      EXPECT_LE(spec.top + spec.height, 144) << spec.caption;
    }
    // Only buttons, check boxes and labels raise events.
    if (spec.event == Event::kClick) {
      EXPECT_TRUE(spec.kind == ControlKind::kButton || spec.kind == ControlKind::kCheck);
    }
    if (spec.event == Event::kLeftButtonDown) {
      EXPECT_EQ(spec.kind, ControlKind::kLabel);
    }
    if (spec.handler) {
      EXPECT_NE(spec.event, Event::kNone) << spec.caption;
    }
  }
  EXPECT_EQ(tabs, 1);
}

TEST(ControlTable, CaptionsAreUniqueAmongButtonsBelowAndOnEachPage) {
  // The test driver finds controls by caption: on one page (and below the tab
  // control) no two controls of one kind may share one. 执行 is the exception
  // the window has on page 1.
  std::set<std::string> seen;
  for (const ControlSpec& spec : kControls) {
    if (std::string(spec.caption).empty() || spec.kind == ControlKind::kTab)
      continue;
    const std::string key = std::to_string(spec.page) + "/" +
                            std::to_string(static_cast<int>(spec.kind)) + "/" + spec.caption;
    if (spec.id == Control::按钮7)
      continue;  // the second 执行
    EXPECT_TRUE(seen.insert(key).second) << spec.caption;
  }
}

}  // namespace
}  // namespace kelvaro
