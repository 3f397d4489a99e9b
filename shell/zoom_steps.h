// The picture's zoom steps, and the step the window starts at.
#pragma once

#include <QSize>
#include <array>
#include <functional>
#include <optional>

namespace tabrix {

// Percent of the 240 x 268 picture.
inline constexpr std::array<int, 5> kZoomSteps = {100, 150, 200, 300, 400};

// The zoom to start at. `windowAt(percent)` is the whole window's size at a
// step, decorations included; `available` is the screen's area for windows.
// - A remembered zoom (an unknown value counts as 100 %) is used when the
//   window fits the screen at it; otherwise the largest smaller step at which
//   it fits, so that a zoom chosen on a large screen never puts the window
//   partly off a smaller one.
// - The first time, with nothing remembered, the largest step up to 200 %
//   whose window fits and is at most two thirds of the available height, so
//   that the small shifted labels are readable on today's screens.
// Never below 100 %, even when not even that fits.
int StartZoom(std::optional<int> remembered, const QSize& available, const std::function<QSize(int)>& windowAt);

}  // namespace tabrix
