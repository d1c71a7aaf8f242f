// MainWindow as data: one row per control, in creation (and Tab) order.
#pragma once

#include <cstdint>

#include "actions/form.h"
#include "actions/handler.h"

namespace kelvaro {

enum class ControlKind { kTab, kFrame, kRadio, kCheck, kButton, kLabel, kEdit };
enum class Event { kNone, kClick, kLeftButtonDown };

// How a control looks beyond its kind; flags may be combined.
enum Look : uint8_t {
  kPlain = 0,
  kSongFont = 1,  // 宋体 with 12-pixel characters instead of the default GUI font
  kBlueText = 2,
  kEngraved = 4,  // white copy one pixel up and left, wrapped onto further lines
  kHandPointer = 8,
};

// Controls of a page are placed in the tab control; the others in the window.
inline constexpr int kBelowTabs = -1;

struct ControlRow {
  Control id;
  ControlKind kind;
  const char* caption;
  int page;
  int left, top, width, height;
  uint8_t look = kPlain;
  Event event = Event::kNone;
  Handler handler = nullptr;
};

inline constexpr int kControlCount = static_cast<int>(Control::kCount);
// Control ids are the row number plus this; clear of IDOK and IDCANCEL, which dialog keys send.
inline constexpr int kFirstControlId = 100;
extern const ControlRow kControls[kControlCount];

inline constexpr int kPageCount = 6;
extern const char* const kPageTitles[kPageCount];

inline constexpr char kMainWindowCaption[] = "Kelvaro v1.0";
inline constexpr int kMainWindowWidth = 314;
inline constexpr int kMainWindowHeight = 282;

// Raised once after the controls exist and before the window is first shown.
extern const Handler kMainWindowCreated;

}  // namespace kelvaro
