// MainWindow as a user meets it: frame, pages, radio groups, focus and exit.
#include "app/control_table.h"
#include "tests/e2e/harness.h"

using kelvaro::Control;
using kelvaro::ControlKind;
using kelvaro::kControls;

namespace {

std::vector<std::string> Strings(std::initializer_list<const char*> texts) {
  return {texts.begin(), texts.end()};
}

}  // namespace

E2E_CASE(main_window_frame_is_fixed_and_centred) {
  e2e::Program program = e2e::Program::Launch();
  CHECK_EQ(program.Text(program.main()), std::string("Kelvaro v1.0"));
  RECT frame;
  GetWindowRect(program.main(), &frame);
  CHECK_EQ(frame.right - frame.left, 314);
  CHECK_EQ(frame.bottom - frame.top, 282);
  CHECK_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 314) / 2);
  CHECK_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 282) / 2);
  const LONG style = GetWindowLongA(program.main(), GWL_STYLE);
  CHECK((style & WS_CAPTION) == WS_CAPTION);
  CHECK(style & WS_SYSMENU);
  CHECK(!(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)));
  CHECK(!(GetWindowLongA(program.main(), GWL_EXSTYLE) & WS_EX_TOPMOST));
  // Moving works: the caption-bar drag ends in a plain move of the window.
  SetWindowPos(program.main(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  GetWindowRect(program.main(), &frame);
  CHECK_EQ(frame.left, 10);
  CHECK_EQ(frame.right - frame.left, 314);
}

E2E_CASE(main_window_opens_on_page_0_with_initial_states) {
  e2e::Program program = e2e::Program::Launch();
  CHECK_EQ(e2e::TabTitles(program.Get(Control::选择夹1)),
           Strings({"分辨率", "XP优化", "转资料", "清系统", "小工具", "介绍"}));
  CHECK_EQ(program.CurrentPage(), 0);
  CHECK_EQ(program.Text(Control::编辑框1), std::string("D:\\Personal"));
  for (const kelvaro::ControlRow& row : kControls) {
    HWND control = program.Get(row.id);
    if (row.kind == ControlKind::kCheck || row.kind == ControlKind::kRadio) {
      CHECK(!program.IsChecked(control));
    }
    if (row.kind != ControlKind::kLabel && row.kind != ControlKind::kEdit &&
        row.kind != ControlKind::kTab) {
      CHECK_EQ(program.Text(control), std::string(row.caption));
    }
    const bool shown = row.page == kelvaro::kBelowTabs || row.page == 0;
    if (IsWindowVisible(control) != shown) {
      e2e::Fail(__FILE__, __LINE__, "visibility of " + e2e::Show(row.caption));
    }
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    if (place.left != row.left || place.top != row.top || place.right - place.left != row.width ||
        place.bottom - place.top != row.height) {
      e2e::Fail(__FILE__, __LINE__, "place of " + e2e::Show(row.caption));
    }
  }
}

E2E_CASE(main_window_radio_groups_span_frames_and_stay_per_page) {
  e2e::Program program = e2e::Program::Launch();
  program.Click(Control::单选3);  // 19寸CRT
  program.Click(Control::单选9);  // 22宽屏LCD, in another frame
  CHECK(program.Answers());
  CHECK(!program.IsChecked(Control::单选3));
  CHECK(program.IsChecked(Control::单选9));

  program.SelectPage(1);
  program.Click(Control::单选框2);  // 网吧模式
  program.Click(Control::选择框4);
  CHECK(program.Answers());
  CHECK(program.IsChecked(Control::单选框2));
  CHECK(program.IsChecked(Control::单选9));    // page 0 keeps its preset
  CHECK(program.IsChecked(Control::选择框4));  // check boxes are not part of a radio group
  program.Click(Control::单选框5);
  CHECK(program.Answers());
  CHECK(!program.IsChecked(Control::单选框2));
  CHECK(program.IsChecked(Control::选择框4));
}

E2E_CASE(main_window_switching_pages_keeps_every_state) {
  e2e::Program program = e2e::Program::Launch();
  program.Click(Control::单选5);
  program.SelectPage(2);
  program.SetChecked(Control::选择框5, true);
  program.SetText(program.Get(Control::编辑框1), "E:\\存档");
  program.SelectPage(3);
  program.SetChecked(Control::选择框13, true);
  for (int page : {4, 5, 1, 0, 3, 2}) {
    program.SelectPage(page);
    for (const kelvaro::ControlRow& row : kControls) {
      if (row.page == kelvaro::kBelowTabs) continue;
      if (IsWindowVisible(program.Get(row.id)) != (row.page == page)) {
        e2e::Fail(__FILE__, __LINE__,
                  "page " + std::to_string(page) + " shows " + e2e::Show(row.caption));
      }
    }
  }
  CHECK(program.IsChecked(Control::单选5));
  CHECK(program.IsChecked(Control::选择框5));
  CHECK(program.IsChecked(Control::选择框13));
  CHECK_EQ(program.Text(Control::编辑框1), std::string("E:\\存档"));
}

E2E_CASE(main_window_tab_key_visits_the_shown_controls_in_order) {
  e2e::Program program = e2e::Program::Launch();
  SetForegroundWindow(program.main());
  const Control expected[] = {
      Control::单选1,  Control::单选2,  Control::单选3,  Control::单选4, Control::单选5,
      Control::单选6,  Control::单选7,  Control::单选8,  Control::单选9, Control::按钮1,
      Control::按钮10, Control::按钮3,  Control::按钮4,  Control::按钮2, Control::按钮5,
      Control::按钮29, Control::按钮27, Control::按钮28, Control::单选1,
  };
  std::vector<std::string> visited, wanted;
  for (Control control : expected) {
    HWND focus = e2e::FocusOf(program.main());
    PostMessageA(focus ? focus : program.main(), WM_KEYDOWN, VK_TAB, 0);
    PostMessageA(focus ? focus : program.main(), WM_KEYUP, VK_TAB, 0xC0000001);
    for (int i = 0; i < 50 && e2e::FocusOf(program.main()) == focus; ++i)
      e2e::Sleep(20);
    visited.push_back(program.Text(e2e::FocusOf(program.main())));
    wanted.push_back(program.Text(program.Get(control)));
  }
  CHECK_EQ(visited, wanted);
}

E2E_CASE(main_window_exit_button_ends_the_program) {
  e2e::Program program = e2e::Program::Launch();
  program.Click("退出软件");
  CHECK(program.WaitForExit(10000));
}

E2E_CASE(main_window_close_button_and_alt_f4_end_the_program) {
  e2e::Program byCloseButton = e2e::Program::Launch();
  PostMessageA(byCloseButton.main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  CHECK(byCloseButton.WaitForExit(10000));

  e2e::Program byKeyboard = e2e::Program::Launch();
  PostMessageA(byKeyboard.main(), WM_SYSKEYDOWN, VK_F4, 0x20000001);  // Alt held
  CHECK(byKeyboard.WaitForExit(10000));
}

E2E_CASE(main_window_controls_without_an_action_do_nothing) {
  // Buttons whose action is not bound yet must neither crash nor show anything.
  e2e::Program program = e2e::Program::Launch();
  for (const kelvaro::ControlRow& row : kControls) {
    if (row.handler || row.kind != ControlKind::kButton) continue;
    if (row.page != kelvaro::kBelowTabs) program.SelectPage(row.page);
    program.Click(row.id);
    CHECK(program.Answers());
  }
  CHECK(program.Running());
}
