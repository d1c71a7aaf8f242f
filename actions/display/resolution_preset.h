// Page 分辨率: nine display modes, one for each common kind of monitor.
#pragma once

#include "actions/display/display_status.h"
#include "actions/form.h"
#include "platform/system.h"

namespace kelvaro {

struct ResolutionPreset {
  Control radio;     // the radio button that selects it
  Control group;     // the frame it stands in
  DisplayMode mode;  // width, height, bits per pixel, refresh rate
};

// In the order the radio buttons are examined.
inline constexpr ResolutionPreset kResolutionPresets[] = {
    {Control::单选1, Control::分组框1, {800, 600, 32, 85}},    // 15寸CRT
    {Control::单选2, Control::分组框1, {1024, 768, 32, 85}},   // 17寸CRT
    {Control::单选3, Control::分组框1, {1280, 1024, 32, 85}},  // 19寸CRT
    {Control::单选4, Control::分组框2, {1024, 768, 32, 60}},   // 15寸LCD
    {Control::单选5, Control::分组框2, {1024, 768, 32, 60}},   // 17寸LCD
    {Control::单选6, Control::分组框2, {1280, 1024, 32, 60}},  // 19寸LCD
    {Control::单选7, Control::分组框3, {1280, 720, 32, 60}},   // 17宽屏LCD
    {Control::单选8, Control::分组框3, {1440, 900, 32, 60}},   // 19宽屏LCD
    {Control::单选9, Control::分组框3, {1680, 1050, 32, 60}},  // 22宽屏LCD
};

// How long the user has to confirm a new mode before the old one comes back.
inline constexpr int kKeepDisplayModeSeconds = 15;

// Click of 按钮1 (设置): switches to the selected preset once the display has
// accepted it and the user has confirmed it, then refreshes the status line.
void SetResolutionPreset(System& system, Form& form);

}  // namespace kelvaro
