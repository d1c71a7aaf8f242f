// The handlers' view of MainWindow: checked states, texts and captions of its
// controls, by name. MainWindow implements it over its child windows; tests
// use a map-backed fake.
#pragma once

#include <string>

namespace kelvaro {

// Every control of MainWindow, in the order the window creates them.
// clang-format off
enum class Control {
  // The tab control.
  选择夹1,
  // Page 0, 分辨率.
  分组框1, 单选1, 单选2, 单选3,
  分组框2, 单选4, 单选5, 单选6,
  分组框3, 单选7, 单选8, 单选9,
  标签1, 标签2, 按钮1,
  // Page 1, XP优化.
  分组框4, 单选框1, 单选框2, 单选框3, 单选框4, 单选框5, 按钮6,
  分组框5, 选择框4, 选择框2, 选择框3, 选择框1, 按钮7,
  // Page 2, 转资料.
  选择框5, 选择框6, 选择框9, 选择框7, 选择框8, 选择框10,
  标签8, 编辑框1, 标签9, 按钮8,
  // Page 3, 清系统.
  选择框11, 选择框12, 选择框13, 选择框16, 选择框14, 选择框15, 选择框17, 按钮9,
  // Page 4, 小工具.
  按钮26, 按钮23, 按钮24, 按钮25,
  按钮11, 按钮12, 按钮13, 按钮22,
  按钮15, 按钮16, 按钮17, 按钮14,
  按钮18, 按钮19, 按钮20, 按钮21,
  // Page 5, 介绍.
  分组框6, 标签3, 标签4, 标签5, 标签6, 标签7, 标签10,
  // Below the tab control.
  按钮10, 按钮3, 按钮4, 按钮2, 按钮5, 按钮29, 按钮27, 按钮28,
  kCount
};
// clang-format on

class Form {
 public:
  virtual ~Form() = default;
  virtual bool IsChecked(Control control) const = 0;
  virtual void SetChecked(Control control, bool checked) = 0;
  // The window text: the edit box's contents, a label's or button's caption.
  virtual std::string Text(Control control) const = 0;
  virtual void SetText(Control control, const std::string& text) = 0;
  // Asks the window to close once the current event has been handled.
  virtual void Close() = 0;
};

}  // namespace kelvaro
