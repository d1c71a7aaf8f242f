#include "actions/display/resolution_preset.h"

#include <string>

#include "actions/outcome.h"

namespace kelvaro {
namespace {

constexpr char kTitle[] = "提示";

std::string ModeText(const DisplayMode& mode) {
  return DisplayModeText(mode.width, mode.height, mode.refreshRate, mode.bitsPerPixel);
}

const ResolutionPreset* SelectedPreset(const Form& form) {
  for (const ResolutionPreset& preset : kResolutionPresets) {
    if (form.IsChecked(preset.radio)) return &preset;
  }
  return nullptr;
}

// A refresh rate of 0 or 1 reads as "the hardware's default"; asked for by
// number it would be refused, so the system chooses it again.
DisplayMode ModeToRestore(DisplayMode previous) {
  if (previous.refreshRate <= 1) previous.refreshRate = 0;
  return previous;
}

// Refusals that change nothing: the status line is refreshed, then the reason shown.
void Refuse(System& system, Form& form, const std::string& reason) {
  RefreshDisplayStatus(system, form);
  system.ShowMessage(reason, kErrorIcon, kTitle);
}

}  // namespace

void SetResolutionPreset(System& system, Form& form) {
  const ResolutionPreset* preset = SelectedPreset(form);
  if (!preset) return Refuse(system, form, "请选择合适的分辨率！");

  const DisplayMode& wanted = preset->mode;
  // Without the mode in effect there would be nothing to go back to.
  const DisplayMode previous = system.GetDisplayMode();
  if (previous.width <= 0 || previous.height <= 0) {
    return Refuse(system, form, "无法读取当前的显示模式，显示设置没有改变。");
  }
  if (!system.ChangeDisplayMode(wanted, DisplayChange::kTest)) {
    return Refuse(system, form,
                  "显示器不支持显示模式 " + ModeText(wanted) + "，显示设置没有改变。");
  }

  // Switch for this session only, so that a picture the monitor cannot show
  // goes away again by itself; store the mode once the user has seen it.
  Outcome outcome;
  if (!system.ChangeDisplayMode(wanted, DisplayChange::kForSession)) {
    outcome.Fail("切换到显示模式 " + ModeText(wanted));
  } else if (system.AskToKeepDisplayMode(kKeepDisplayModeSeconds)) {
    if (!system.ChangeDisplayMode(wanted, DisplayChange::kStore)) {
      outcome.Fail("把显示模式 " + ModeText(wanted) + " 存入用户设置");
      outcome.Note("这一模式只在本次登录期间有效。");
    }
  } else if (!system.ChangeDisplayMode(ModeToRestore(previous), DisplayChange::kForSession)) {
    outcome.Fail("恢复原来的显示模式 " + ModeText(previous));
    outcome.Note("新的显示模式没有存入用户设置，重新登录后即恢复原来的模式。");
  }
  RefreshDisplayStatus(system, form);
  if (outcome.failed()) outcome.Report(system, {}, kWarningIcon, "显示设置未能完成：", kTitle);
}

}  // namespace kelvaro
