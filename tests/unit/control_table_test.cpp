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
  for (const ControlRow& row : kControls) {
    if (row.kind == ControlKind::kTab) ++tabs;
    EXPECT_GE(row.page, kBelowTabs);
    EXPECT_LT(row.page, kPageCount);
    EXPECT_GT(row.width, 0);
    EXPECT_GT(row.height, 0);
    if (row.page != kBelowTabs) {
      // Page controls lie inside the tab control (295 × 144).
      EXPECT_LE(row.left + row.width, 295) << row.caption;
      EXPECT_LE(row.top + row.height, 144) << row.caption;
    }
    // Only buttons, check boxes and labels raise events.
    if (row.event == Event::kClick) {
      EXPECT_TRUE(row.kind == ControlKind::kButton || row.kind == ControlKind::kCheck);
    }
    if (row.event == Event::kLeftButtonDown) {
      EXPECT_EQ(row.kind, ControlKind::kLabel);
    }
    if (row.handler) {
      EXPECT_NE(row.event, Event::kNone) << row.caption;
    }
  }
  EXPECT_EQ(tabs, 1);
}

TEST(ControlTable, CaptionsAreUniqueAmongButtonsBelowAndOnEachPage) {
  // The test driver finds controls by caption: on one page (and below the tab
  // control) no two controls of one kind may share one. 执行 is the exception
  // the window has on page 1.
  std::set<std::string> seen;
  for (const ControlRow& row : kControls) {
    if (std::string(row.caption).empty() || row.kind == ControlKind::kTab) continue;
    const std::string key = std::to_string(row.page) + "/" +
                            std::to_string(static_cast<int>(row.kind)) + "/" + row.caption;
    if (row.id == Control::按钮7) continue;  // the second 执行
    EXPECT_TRUE(seen.insert(key).second) << row.caption;
  }
}

}  // namespace
}  // namespace kelvaro
