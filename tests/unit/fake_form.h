// A Form over plain maps: every box unchecked and every text empty until a test
// says otherwise.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "actions/form.h"

namespace kelvaro::testing {

class FakeForm : public Form {
 public:
  std::map<Control, bool> checked;
  std::map<Control, std::string> texts;
  bool closed = false;

  FakeForm() = default;
  FakeForm(std::initializer_list<Control> ticked) {
    for (Control control : ticked)
      checked[control] = true;
  }

  bool IsChecked(Control control) const override {
    auto found = checked.find(control);
    return found != checked.end() && found->second;
  }
  void SetChecked(Control control, bool value) override { checked[control] = value; }
  std::string Text(Control control) const override {
    auto found = texts.find(control);
    return found == texts.end() ? std::string() : found->second;
  }
  void SetText(Control control, const std::string& text) override { texts[control] = text; }
  void Close() override { closed = true; }
};

}  // namespace kelvaro::testing
